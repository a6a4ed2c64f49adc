#include "screens/HoleRecord.h"

int32_t HoleKind(const QByteArray& code)
{
    if (code == "hole001")
        return 1;
    if (code == "hole002")
        return 2;
    return 0;
}
