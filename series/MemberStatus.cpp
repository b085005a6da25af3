// MemberStatus.cpp - the four verdicts a member can get, and the icon each one shows.
#include "series/MemberStatus.h"

#include <array>

namespace quil {

static std::array<QString, 4> StatusWords()
{
    return {StatusOK(), StatusMissing(), StatusBadCrc(), StatusBadSize()};
}

int StatusIconIndex(const QString& status)
{
    const auto words = StatusWords();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == status)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace quil
