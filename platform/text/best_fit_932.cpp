#include "platform/text/best_fit_932.h"

#include <algorithm>

const char *BestFit932(uint16_t unit)
{
    using best_fit_932::Fit;
    const Fit *begin = best_fit_932::kFits, *end = begin + best_fit_932::kFitCount;
    const Fit *found =
        std::lower_bound(begin, end, unit, [](const Fit &fit, uint16_t u) { return fit.unit < u; });
    return found != end && found->unit == unit ? found->bytes : nullptr;
}
