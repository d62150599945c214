#include "store/NameRules.h"

#include <string>

namespace vantorel {
namespace {

std::string Subject(NameKind kind) {
    switch (kind) {
    case NameKind::League:
        return "A league name";
    case NameKind::Team:
        return "A team name";
    default:
        return "A player's name";
    }
}

// True for the C0 controls, DEL and the C1 controls (U+0080..U+009F, two bytes C2 80..C2 9F in UTF-8).
bool HoldsControlCharacter(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F)
            return true;
        if (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F &&
            static_cast<unsigned char>(name[i + 1]) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

Status CheckName(std::string_view name, NameKind kind) {
    if (HoldsControlCharacter(name))
        return Status::Error(Subject(kind) + " may not hold control characters (such as NUL, ESC or BEL).");
    if (!name.empty() && (name[0] == '=' || name[0] == '+' || name[0] == '@'))
        return Status::Error(Subject(kind) +
                             " may not begin with \"=\", \"+\" or \"@\": spreadsheets run such a text as a "
                             "formula.");
    return Status::Ok();
}

} // namespace vantorel
