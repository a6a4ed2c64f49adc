#pragma once
// The style the editor draws with: the platform's own, except that the
// arrows of the menu bar's and tool bars' extension buttons (shown only when
// a bar is too narrow for its items) are read when first drawn. A menu bar
// asks for its arrow as it is made, and reading the arrow's image loads the
// image format plugins: a millisecond and more of every start.
#include <QProxyStyle>

class CApplicationStyle : public QProxyStyle {
public:
    CApplicationStyle() = default; // over the platform's default style
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
