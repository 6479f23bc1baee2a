#include "calendar/sexagenary.h"

namespace bazi {

std::string pillarText(int cycleIndex) {
    if (cycleIndex < 1 || cycleIndex > 60)
        return {};
    std::string text{kStemNames[static_cast<std::size_t>(stemNumber(cycleIndex) - 1)]};
    text += kBranchNames[static_cast<std::size_t>(branchNumber(cycleIndex) - 1)];
    return text;
}

std::string pillarText(Pillar p) {
    return pillarText(p.cycle);
}

} // namespace bazi
