#include "app/lifecycle.hpp"
#include "platform/codec.hpp"
#include "platform/fonts.hpp"
#include "ui/main_window.hpp"

void setControlFont(std::string_view control, const Text& face, int height, int useHeight, int italic,
                    int underline, int strikeOut) {
    QWidget* widget = mainWindow().control(control);
    widget->setFont(fonts::withCellHeight(codec::toUnicode(face), useHeight != 0 ? height : 20, italic != 0,
                                          underline != 0, strikeOut != 0));
}
