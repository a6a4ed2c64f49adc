#pragma once
// An icon whose pictures are made when one is first asked for, not when the
// icon is: reading PNG files (and looking for the image plugins first) is a
// good part of a start that shows none of them. Its copies share what was
// made.
#include <QIcon>
#include <QList>
#include <QSize>

#include <functional>

// `sizes`, where given, are the sizes the icon will have: asking for them
// makes nothing.
QIcon IconMadeWhenUsed(std::function<QIcon()> make, QList<QSize> sizes = {});
