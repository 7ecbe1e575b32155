// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ShopDetails.h"

#include "Report.h"

#include <QSettings>

namespace morvent {

namespace {

constexpr const char* kKeys[] = {"report/shopName",  "report/shopAddress", "report/shopPhone",
                                 "report/shopEmail", "report/shopLogo",    "report/technician"};

QString* field(ShopDetails& shop, std::size_t i) {
    QString* fields[] = {&shop.name,  &shop.address, &shop.phone,
                         &shop.email, &shop.logo,    &shop.technician};
    return fields[i];
}

} // namespace

ShopDetails readShopDetails(const QSettings& settings) {
    ShopDetails shop;
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        // A settings file reads an unquoted text with commas as a list: an address, as typed.
        const QVariant value = settings.value(QLatin1String(kKeys[i]));
        *field(shop, i) = (value.typeId() == QMetaType::QStringList
                               ? value.toStringList().join(QLatin1String(", "))
                               : value.toString())
                              .trimmed();
    }
    return shop;
}

void writeShopDetails(QSettings& settings, const ShopDetails& shop) {
    ShopDetails copy = shop;
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        settings.setValue(QLatin1String(kKeys[i]), field(copy, i)->trimmed());
    }
}

void addShopDetails(ReportContent& content, const ShopDetails& shop) {
    for (const QString& line : {shop.name, shop.address, shop.phone, shop.email}) {
        if (!line.isEmpty()) {
            // An address typed on several lines is one line of the heading.
            content.shop.push_back(QString(line).replace('\n', QLatin1String(", ")).toStdString());
        }
    }
    content.logo = shop.logo.toStdString();
    content.technician = shop.technician.toStdString();
}

} // namespace morvent
