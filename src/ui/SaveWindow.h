#pragma once

#include <QWidget>

namespace morvent {

// The window in which a parameter file is chosen for saving. Like the About box it stands on
// its own, beside the main window, and keeps its state between showings because it is created
// once and only hidden when closed.
class TForm4 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 362;

    explicit TForm4(QWidget* parent = nullptr);
};

} // namespace morvent
