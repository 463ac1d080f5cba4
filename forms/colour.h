#pragma once

#include <QColor>
#include <QPalette>

// A colour as the window's controls name it: a direct RGB value or a system
// colour given by its role, resolved against the window's palette.
class Colour
{
public:
    enum class Role { Rgb, ButtonFace, ButtonText, WindowBackground, WindowText, ActiveCaptionText };

    constexpr Colour(Role role = Role::ButtonText) : m_role(role) {}
    static constexpr Colour rgb(int r, int g, int b)
    {
        Colour c(Role::Rgb);
        c.m_rgb = (0xffu << 24) | (unsigned(r) << 16) | (unsigned(g) << 8) | unsigned(b);
        return c;
    }

    QColor resolve(const QPalette &palette) const;
    bool operator==(const Colour &o) const { return m_role == o.m_role && m_rgb == o.m_rgb; }
    bool operator!=(const Colour &o) const { return !(*this == o); }

private:
    Role m_role;
    unsigned m_rgb = 0;
};

// Fore colours of the listing lines and flowchart labels.
constexpr Colour kHighlight = Colour::rgb(255, 0, 0); // a lit line or label
constexpr Colour kNormal = Colour::rgb(0, 0, 0);
