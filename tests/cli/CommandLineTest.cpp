// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommandLine.h"
#include "ShownText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <variant>

namespace morvent {
namespace {

// Every field of a request, so that an option taken into the wrong one shows.
std::string fieldsOf(const CommandRequest& r) {
    const auto flag = [](bool set) { return set ? QStringLiteral("yes") : QStringLiteral("no"); };
    return QStringLiteral("%1 json=%2 files=%3 simulate=%4 ports=%5 timeout=%6 output=%7 "
                          "input=%8 verify=%9 interval=%10 count=%11 csv=%12 note=%13 shop=%14")
        .arg(r.name, flag(r.json), r.files.join(','), flag(r.simulate), r.ports.join(','))
        .arg(r.timeout.count())
        .arg(r.output, r.input, flag(r.verify))
        .arg(r.intervalMs)
        .arg(r.count)
        .arg(r.csv.value_or(QStringLiteral("-")), r.note, r.shop.value_or(QStringLiteral("-")))
        .toStdString();
}

TEST(CommandLine, EachOptionLandsInItsOwnFieldWithTheDefaultsElsewhere) {
    const struct {
        QStringList arguments;
        std::string fields;
    } cases[] = {
        {{"info", "--simulate"},
         "info json=no files= simulate=yes ports= timeout=1000 output= input= verify=yes "
         "interval=500 count=0 csv=- note= shop=-"},
        {{"read", "-p", "a", "--port", "b", "-o", "x.el", "--json", "--timeout", "250"},
         "read json=yes files= simulate=no ports=a,b timeout=250 output=x.el input= verify=yes "
         "interval=500 count=0 csv=- note= shop=-"},
        {{"write", "-p", "a", "-i", "f.el", "--no-verify"},
         "write json=no files= simulate=no ports=a timeout=1000 output= input=f.el verify=no "
         "interval=500 count=0 csv=- note= shop=-"},
        {{"watch", "--simulate", "--interval", "20", "--count", "3", "--csv", "r.csv"},
         "watch json=no files= simulate=yes ports= timeout=1000 output= input= verify=yes "
         "interval=20 count=3 csv=r.csv note= shop=-"},
        {{"report", "-p", "all", "-o", "r.pdf", "--note", "bike 7", "--shop", "s.ini"},
         "report json=no files= simulate=no ports=all timeout=1000 output=r.pdf input= "
         "verify=yes interval=500 count=0 csv=- note=bike 7 shop=s.ini"},
        {{"diff", "a.el", "b.el", "--json"},
         "diff json=yes files=a.el,b.el simulate=no ports= timeout=1000 output= input= "
         "verify=yes interval=500 count=0 csv=- note= shop=-"},
    };
    for (const auto& c : cases) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const auto parsed = parseCommandLine(c.arguments, {out, err});
        EXPECT_EQ(std::ftell(out) + std::ftell(err), 0) << c.arguments.join(' ').toStdString();
        std::fclose(out);
        std::fclose(err);
        ASSERT_TRUE(std::holds_alternative<CommandRequest>(parsed))
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(fieldsOf(std::get<CommandRequest>(parsed)), c.fields);
    }
}

// Half of a pair of UTF-16 surrogates cannot be written as UTF-8 and is replaced; a whole pair is
// one character and kept, also when its second half looks like an escaped control byte.
TEST(ShownText, ReplacesLoneHalvesOfAPairAndKeepsWholePairs) {
    const QChar high(0xD83D);
    const QChar low(0xDC80); // with `high`, U+1F480; alone, the escape of byte 0x80, a control
    const struct {
        QString text;
        QString json;
        QString terminal;
    } cases[] = {
        {QString("a") + high + low + "b", QString("a") + high + low + "b",
         QString("a") + high + low + "b"},
        {QString("a") + high, "a?", QString("a") + high},
        {QString(high) + "x", "?x", QString(high) + "x"},
        {QString(low) + "x", "?x", "?x"},
        {QString("x") + low, "x?", "x?"},
        {QString(low) + low, "??", "??"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonSafe(c.text), c.json) << c.text.toStdString();
        EXPECT_EQ(terminalText(c.text), c.terminal) << c.text.toStdString();
    }
}

} // namespace
} // namespace morvent
