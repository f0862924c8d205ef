// The learnt evaluation: its pattern readings against a square-by-square reading, its symmetry,
// and the weight file's loader on good and damaged files.
#include "engine/Evaluation.h"
#include "engine/PatternEvaluation.h"
#include "engine/Search.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace engine;

namespace {

PatternWeights randomWeights(std::uint32_t seed, int range)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> weight(-range, range);
    std::vector<std::int16_t> compact(std::size_t(Stages) * compactStageSize());
    for (std::int16_t& w : compact)
        w = std::int16_t(weight(random));
    return PatternWeights(std::move(compact));
}

// Positions met along random games, every one of each game.
std::vector<Position> positionsOfRandomGames(int games, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Position> positions;
    for (int g = 0; g < games; ++g) {
        Position p = Position::start();
        while (!p.isOver()) {
            positions.push_back(p);
            if (p.moves())
                play(p, engine::randomSquare(p.moves(), random));
            else
                pass(p);
        }
    }
    return positions;
}

TEST(Patterns, FastReadingEqualsSquareBySquareOverRandomGames)
{
    for (const Position& p : positionsOfRandomGames(30, 5)) {
        PatternIndices fast, reference;
        patternIndices(p, fast);
        patternIndicesBySquares(p, reference);
        for (int i = 0; i < PatternInstances; ++i)
            ASSERT_EQ(fast.index[i], reference.index[i]) << "instance " << i << " of " << p.player << "/" << p.opponent;
    }
}

TEST(Patterns, InstancesCoverEachFamilysSymmetricCopiesOnce)
{
    // Every square set a symmetry makes of a family is read exactly once.
    const PatternTables& tables = PatternTables::instance();
    for (int f = 0; f < FamilyCount; ++f) {
        SCOPED_TRACE(Families[f].name);
        std::vector<Bits> readSets;
        for (int i = 0; i < PatternInstances; ++i) {
            if (tables.familyOf(i) != f)
                continue;
            Bits set = 0;
            for (int k = 0; k < Families[f].size; ++k)
                set |= bitOf(tables.instanceSquares(i)[k]);
            EXPECT_EQ(std::count(readSets.begin(), readSets.end(), set), 0);
            readSets.push_back(set);
        }
        for (int s = 0; s < 8; ++s) {
            Bits set = 0;
            for (int k = 0; k < Families[f].size; ++k)
                set |= bitOf(symmetricSquare(s, Families[f].squares[k]));
            EXPECT_EQ(std::count(readSets.begin(), readSets.end(), set), 1) << "symmetry " << s;
        }
    }
}

TEST(Patterns, EightSymmetricCopiesOfAPositionScoreTheSame)
{
    const PatternWeights weights = randomWeights(11, 2000);
    for (const Position& p : positionsOfRandomGames(10, 6)) {
        const int score = patternEvaluate(p, weights);
        for (int s = 1; s < 8; ++s) {
            const Position copy{symmetricImage(s, p.player), symmetricImage(s, p.opponent)};
            ASSERT_EQ(popCount(copy.player), popCount(p.player));
            ASSERT_EQ(patternEvaluate(copy, weights), score) << "symmetry " << s;
        }
    }
}

TEST(Patterns, ScoreIsTheSumOfTheCompactFeaturesWithinAnyResult)
{
    // A clamp keeps huge weights strictly between the worst and best results; ordinary ones sum.
    const PatternWeights small = randomWeights(12, 50), huge = randomWeights(13, 32000);
    const int limit = 64 * UnitsPerDisc - 1;
    for (const Position& p : positionsOfRandomGames(4, 7)) {
        std::uint32_t features[FeaturesPerPosition];
        compactFeatures(p, features);
        const std::int16_t* stage = small.compact().data() + std::size_t(stageOf(p.empties())) * compactStageSize();
        int sum = 0;
        for (std::uint32_t f : features)
            sum += stage[f];
        EXPECT_EQ(patternEvaluate(p, small), sum / (WeightsPerDisc / UnitsPerDisc));
        const int clamped = patternEvaluate(p, huge);
        EXPECT_TRUE(clamped >= -limit && clamped <= limit) << clamped;
    }
}

TEST(Patterns, BuiltInWeightsLoadAndAreUsedUnlessAToolChoosesOtherwise)
{
    const PatternWeights& builtIn = builtInWeights();
    // The program carries the committed file as it is, not an older build of it.
    std::ifstream file(REVERSI_PATTERN_WEIGHTS_FILE, std::ios::binary);
    const std::vector<unsigned char> committed((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(encodeWeights(builtIn), committed);
    int nonZero = 0;
    for (std::int16_t w : builtIn.compact())
        nonZero += w != 0;
    EXPECT_GT(nonZero, 1000) << "the built-in weights look untrained";

    const Position p = Position::start();
    Position later = p;
    play(later, 19); // d3
    EXPECT_EQ(Evaluator::builtIn()(later), patternEvaluate(later, builtIn));
    EXPECT_EQ(Evaluator::builtIn().resolved()(later), patternEvaluate(later, builtIn));
    EXPECT_EQ(Evaluator::handTuned()(later), handTunedEvaluate(later));
    EXPECT_EQ(Evaluator::learnt(builtIn)(later), patternEvaluate(later, builtIn));

    // A search scores its horizon with the evaluator it was given: one ply deep, the best move's
    // value is the best of the positions after each move.
    int differ = 0;
    for (const Position& q : positionsOfRandomGames(2, 8)) {
        if (popCount(q.moves()) < 2)
            continue;
        int seen[2];
        for (int tool = 0; tool < 2; ++tool) {
            const Evaluator evaluator = tool ? Evaluator::handTuned() : Evaluator::builtIn();
            int best = -Infinity;
            for (Bits moves = q.moves(); moves; moves &= moves - 1) {
                Position child = q;
                play(child, firstSquare(moves));
                best = std::max(best, -evaluator(child));
            }
            Search search(evaluator, 1, 1);
            seen[tool] = search.run(q, fixedLimits(1)).score;
            ASSERT_EQ(seen[tool], unitsToDiscs(best)) << (tool ? "hand-tuned" : "built-in");
        }
        differ += seen[0] != seen[1];
    }
    EXPECT_GT(differ, 10) << "the two evaluations should tell most positions apart";
}

TEST(WeightFile, TheCommittedFileDecodesToTheWeightsTheEngineWasTunedWith)
{
    std::ifstream file(REVERSI_PATTERN_WEIGHTS_FILE, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
    PatternWeights weights;
    std::string error;
    ASSERT_TRUE(decodeWeights(bytes.data(), bytes.size(), weights, error)) << error;
    // Its size and its body's hash as committed: retraining changes them, and this test with them.
    EXPECT_EQ(bytes.size(), 724885u);
    const std::uint32_t hash = std::uint32_t(bytes[16]) | std::uint32_t(bytes[17]) << 8 |
                               std::uint32_t(bytes[18]) << 16 | std::uint32_t(bytes[19]) << 24;
    EXPECT_EQ(hash, 0xc2b92966u);
    Position later = Position::start();
    play(later, 19); // d3
    EXPECT_EQ(patternEvaluate(later, weights), 10);
}

// A file with a correct header (hash included) around `body`, for damaged bodies.
std::vector<unsigned char> fileAround(const std::vector<unsigned char>& body)
{
    std::vector<unsigned char> file = encodeWeights(PatternWeights());
    file.resize(WeightFileHeaderSize);
    file.insert(file.end(), body.begin(), body.end());
    std::uint32_t hash = 2166136261u, size = std::uint32_t(body.size());
    for (unsigned char byte : body)
        hash = (hash ^ byte) * 16777619u;
    for (int i = 0; i < 4; ++i) {
        file[12 + i] = static_cast<unsigned char>(size >> (8 * i));
        file[16 + i] = static_cast<unsigned char>(hash >> (8 * i));
    }
    return file;
}

std::vector<unsigned char> varint(std::uint32_t value)
{
    std::vector<unsigned char> out;
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<unsigned char>(value | 0x80));
    out.push_back(static_cast<unsigned char>(value));
    return out;
}

std::vector<unsigned char> joined(std::initializer_list<std::vector<unsigned char>> parts)
{
    std::vector<unsigned char> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(WeightFile, LoaderAcceptsGoodFilesAndRefusesDamagedOnesWithAReason)
{
    const std::uint32_t all = std::uint32_t(Stages) * std::uint32_t(compactStageSize());
    const std::vector<unsigned char> good = encodeWeights(randomWeights(14, 300));
    auto changed = [&](std::size_t at, unsigned char value) {
        std::vector<unsigned char> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    auto cut = [&](std::size_t size) { return std::vector<unsigned char>(good.begin(), good.begin() + size); };
    std::vector<unsigned char> longer = good;
    longer.push_back(2);
    const std::vector<unsigned char> zero{0};

    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        const char* error; // part of the message, nullptr when the file is good
    };
    const Case cases[] = {
        {"random weights", good, nullptr},
        {"all zero", encodeWeights(PatternWeights()), nullptr},
        {"one weight then zeros", fileAround(joined({varint(7), zero, varint(all - 1)})), nullptr},
        {"empty", {}, "too short"},
        {"header cut", cut(WeightFileHeaderSize - 1), "too short"},
        {"other signature", changed(0, 'X'), "signature"},
        {"newer format", changed(4, 2), "format 2"},
        {"other stage count", changed(5, Stages + 1), "stages"},
        {"other stage size", changed(8, good[8] ^ 1), "stages"},
        {"body cut", cut(good.size() - 1), "body"},
        {"bytes after the body", longer, "body"},
        {"body damaged", changed(WeightFileHeaderSize + 3, good[WeightFileHeaderSize + 3] ^ 0x40), "hash"},
        {"number cut", fileAround(joined({zero, varint(all - 1), {0x85}})), "cut or overlong"},
        {"number too long", fileAround({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01}), "cut or overlong"},
        {"run of no zeros", fileAround(joined({zero, varint(0)})), "run of zeros"},
        {"run past the end", fileAround(joined({zero, varint(all + 1)})), "run of zeros"},
        {"weight beyond 16 bits", fileAround(joined({varint(2 * 40000), zero, varint(all - 1)})), "out of range"},
        {"too many weights", fileAround(joined({zero, varint(all), varint(2)})), "more weights"},
        {"too few weights", fileAround(joined({zero, varint(all - 2)})), "ends after"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PatternWeights loaded = randomWeights(15, 5);
        std::string error;
        const bool ok = decodeWeights(c.bytes.data(), c.bytes.size(), loaded, error);
        if (!c.error) {
            EXPECT_TRUE(ok) << error;
            EXPECT_EQ(encodeWeights(loaded), c.bytes);
        } else {
            EXPECT_FALSE(ok);
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
            EXPECT_EQ(error.find('\n'), std::string::npos);
        }
    }
}

TEST(WeightFile, BuiltInWeightsThatCannotBeDecodedStopTheProgramWithTheReason)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // other tests of this program start threads
    const std::vector<unsigned char> good = encodeWeights(randomWeights(16, 300));
    auto changed = [&](std::size_t at, unsigned char value) {
        std::vector<unsigned char> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        const char* reason; // part of the line
    };
    const Case cases[] = {
        {"cut in the header", std::vector<unsigned char>(good.begin(), good.begin() + 10), "too short"},
        {"other signature", changed(0, 'X'), "signature"},
        {"other stage size", changed(8, good[8] ^ 1), "stages of"},
        {"body damaged", changed(WeightFileHeaderSize + 3, good[WeightFileHeaderSize + 3] ^ 0x40), "hash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(decodeBuiltInWeights(c.bytes.data(), c.bytes.size()), testing::ExitedWithCode(BrokenWeightsExitStatus),
                    std::string("^reversi: the built-in evaluation weights cannot be decoded: [^\n]*") + c.reason +
                        "[^\n]*\n$");
    }
    EXPECT_EQ(encodeWeights(decodeBuiltInWeights(good.data(), good.size())), good);
}

} // namespace
