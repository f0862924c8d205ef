// The learnt evaluation's weight file, assembled into the program as it is (the build passes its
// path as REVERSI_PATTERN_WEIGHTS_FILE), so the engine needs no data folder. Read through
// builtInWeights() (PatternEvaluation.h), which checks it like any other weight file.
#ifndef REVERSI_PATTERN_WEIGHTS_FILE
#error "REVERSI_PATTERN_WEIGHTS_FILE must name the weight file"
#endif

asm(".pushsection .rodata\n"
    ".balign 16\n"
    ".globl reversi_pattern_weights_begin\n"
    "reversi_pattern_weights_begin:\n"
    ".incbin \"" REVERSI_PATTERN_WEIGHTS_FILE "\"\n"
    ".globl reversi_pattern_weights_end\n"
    "reversi_pattern_weights_end:\n"
    ".byte 0\n"
    ".popsection\n");
