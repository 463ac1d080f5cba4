#include "colour.h"

QColor Colour::resolve(const QPalette &palette) const
{
    switch (m_role) {
    case Role::Rgb: return QColor::fromRgb(m_rgb);
    case Role::ButtonFace: return palette.color(QPalette::Button);
    case Role::ButtonText: return palette.color(QPalette::ButtonText);
    case Role::WindowBackground: return palette.color(QPalette::Base);
    case Role::WindowText: return palette.color(QPalette::Text);
    case Role::ActiveCaptionText: return palette.color(QPalette::HighlightedText);
    }
    return QColor();
}
