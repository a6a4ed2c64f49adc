#include "screens/Fill.h"

#include <utility>

void CFill::SetRect(int32_t l, int32_t t, int32_t r, int32_t b)
{
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    left = l;
    top = t;
    right = r;
    bottom = b;
}
