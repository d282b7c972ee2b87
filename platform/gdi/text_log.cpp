#include "platform/gdi/text_log.h"

#include <utility>

namespace {

std::vector<DrawnText> &Log() {
    static std::vector<DrawnText> log;
    return log;
}

}  // namespace

namespace gdi {

void RecordDrawnText(DrawnText text) { Log().push_back(std::move(text)); }

}  // namespace gdi

std::vector<DrawnText> TakeDrawnTexts() {
    std::vector<DrawnText> taken;
    taken.swap(Log());
    return taken;
}
