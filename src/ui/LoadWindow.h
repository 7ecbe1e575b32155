#pragma once

#include <QWidget>

namespace morvent {

// The window in which a parameter file is chosen for loading; the Save window's twin, a few
// pixels taller.
class TForm5 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 540;
    static constexpr int kHeight = 370;

    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace morvent
