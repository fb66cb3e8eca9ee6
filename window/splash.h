#pragma once

#include <QLabel>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace scrivafresa {

// A borderless window that shows the logo while the program starts.
class TFrmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize kSize{602, 319};

    // Has no owner: it is a window of its own.
    TFrmSplash();

    // Places it in the middle of the screen, brings it to the front and paints it at once, so
    // the logo is on the screen before the caller blocks.
    void ShowCentred();

    QLabel* Image1;
};

// Where a window of `size` stands centred on `screen`: each quotient truncated toward zero and
// never left of or above the screen.
QPoint CentredOrigin(const QRect& screen, QSize size);

}  // namespace scrivafresa
