// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

class QSettings;

namespace morvent {

struct ReportContent;

// The shop a report comes from: its name, address, phone and e-mail and an optional logo head
// every page, the technician's name is on the first. Set once in the window (File > "Report
// Settings...") and kept in the user's settings under "report/", where morvent-cli report reads
// it too; a file of the same keys (--shop FILE) stands in for them.
struct ShopDetails {
    QString name;
    QString address;
    QString phone;
    QString email;
    QString logo; // the path of a picture
    QString technician;
};

ShopDetails readShopDetails(const QSettings& settings);
void writeShopDetails(QSettings& settings, const ShopDetails& shop);
// The lines and the logo that head the pages, and the technician.
void addShopDetails(ReportContent& content, const ShopDetails& shop);

} // namespace morvent
