#include "render/GameGraph.h"

#include <cmath>

namespace graph {

float positionX(int index, int positions)
{
    if (positions <= 1)
        return Left;
    return Left + (Right - Left) * float(index) / float(positions - 1);
}

int positionAt(float x, float y, int positions)
{
    if (y < Bottom || y > Top || positions < 1)
        return -1;
    // Half a step of slack at each end, so that the first and last columns take clicks too.
    const float step = positions > 1 ? (Right - Left) / float(positions - 1) : 0.0f;
    if (x < Left - step / 2 || x > Right + step / 2)
        return -1;
    if (positions == 1)
        return 0;
    const int index = int(std::lround((x - Left) / step));
    return index < 0 ? 0 : index >= positions ? positions - 1 : index;
}

} // namespace graph
