#include "editor/KeyFilter.h"

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Paste = 22;

} // namespace

bool KeyFilter::accepts(Kind kind, int code)
{
    if (code == Backspace || code == Enter || code == Paste)
        return true;
    if (kind == Kind::Nothing)
        return false;
    if (code >= '0' && code <= '9')
        return true;
    return (kind == Kind::DigitsAndPoint && code == '.') || (kind == Kind::DigitsAndMinus && code == '-');
}
