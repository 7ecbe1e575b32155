// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ViewMenu.h"

#include "TrafficLog.h"
#include "Translations.h"
#include "WindowPlacement.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>

namespace morvent {

void ViewMenu::add(QMainWindow& window, QAction& before, TrafficLog& log, QSettings& settings) {
    // The log floats beside the window when shown, so the pages keep their room.
    window.addDockWidget(Qt::BottomDockWidgetArea, &log);
    log.setFloating(true);
    log.resize(760, 320);
    log.hide();
    auto* view = new QMenu(tr("&View"), &window);
    view->setObjectName(QStringLiteral("View1"));
    log.toggleViewAction()->setText(tr("&Traffic Log"));
    view->addAction(log.toggleViewAction());
    window.menuBar()->insertMenu(&before, view);
    addLanguages(window, *view, settings);
    QObject::connect(log.toggleViewAction(), &QAction::triggered, &log,
                     [&window, &log](bool shown) {
                         if (shown && !log.property("placed").toBool()) {
                             log.setProperty("placed", true);
                             placeLog(window, log);
                         }
                     });
}

void ViewMenu::placeLog(QMainWindow& window, QWidget& log) {
    // Beside the window where the screen has the room; else over the lower right of its page,
    // so the menus, the tabs, the connection's buttons and what the status bar says stay in view.
    const auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"));
    placeCompanion(log, window,
                   tabs && tabs->currentWidget() ? coverableArea(window, *tabs->currentWidget())
                                                 : QRect());
}

void ViewMenu::addLanguages(QMainWindow& window, QMenu& view, QSettings& settings) {
    QMenu* languages = view.addMenu(tr("&Language"));
    languages->setObjectName(QStringLiteral("Language1"));
    languages->setToolTipsVisible(true);
    const QString key = QString::fromLatin1(kLanguageSetting.data(), kLanguageSetting.size());
    const QString chosen = settings.value(key).toString();
    auto* group = new QActionGroup(languages);
    for (const LanguageOffer& offer : languageOffers()) {
        QAction* action = languages->addAction(offer.name);
        action->setObjectName(QStringLiteral("Language_") + offer.code);
        action->setCheckable(true);
        action->setChecked(offer.code == chosen);
        // Every caption is made with the window, so a new language shows from the next start.
        action->setToolTip(tr("Takes effect at the next start"));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &window, [&window, &settings, key, offer] {
            settings.setValue(key, offer.code);
            window.statusBar()->showMessage(
                tr("%1 from the next start").arg(QString(offer.name).remove(QLatin1Char('&'))),
                10000);
        });
    }
    // Qt opens the menu bar with Alt alone on some desktops only; F10 does it everywhere.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(f10, &QShortcut::activated, &window, [&window] {
        window.menuBar()->setFocus(Qt::MenuBarFocusReason);
        window.menuBar()->setActiveAction(window.menuBar()->actions().constFirst());
    });
}

} // namespace morvent
