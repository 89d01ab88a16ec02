#pragma once

#include <QIcon>
#include <QStyle>

// A standard picture of the application's style, looked up when it is first
// drawn or measured. The first lookup reads the icon themes, which took a
// seventh of the designer's start-up; none of these pictures is on screen
// before a menu or a dialog opens.
QIcon lazyStandardIcon(QStyle::StandardPixmap picture);
