#include "PortComboBox.h"

namespace morvent {

void PortComboBox::showPopup() {
    emit aboutToShowPopup();
    QComboBox::showPopup();
}

} // namespace morvent
