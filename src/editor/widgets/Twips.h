#pragma once

// Layout measures of the editor are kept in twips; the screen is drawn at a fixed 96 dots per
// inch, slightly enlarged so the grid's narrow number boxes stay legible.
namespace Twips {

constexpr int toPixels(int twips)
{
    return (twips + 6) / 13;
}

} // namespace Twips
