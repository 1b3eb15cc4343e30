#include "framework/ui/graphics.h"

#include "framework/ui/graphicsfonts.h"

#include <algorithm>

namespace fw {

Graphics::~Graphics() = default;

void Graphics::setTextFont(const QString &family) {
    family_ = family;
    font_.reset();
}

void Graphics::setTextSize(double size) {
    size_ = size;
    font_.reset();
}

void Graphics::setForeColor(const QColor &color) {
    color_ = color;
}

void Graphics::setBold(bool bold) {
    bold_ = bold;
    font_.reset();
}

QFont Graphics::font() const {
    if (!font_)
        font_ = pageFont(family_, size_, bold_);
    return *font_;
}

QColor RGB(int red, int green, int blue, int transparency) {
    const auto channel = [](int value) { return std::clamp(value, 0, 255); };
    return QColor(channel(red), channel(green), channel(blue), 255 - channel(transparency));
}

} // namespace fw
