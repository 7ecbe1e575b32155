<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>morvent::ChangeMarks</name>
    <message numerus="yes">
        <source>%n changes not written</source>
        <translation>
            <numerusform>%n change not written</numerusform>
            <numerusform>%n changes not written</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ComparisonMarks</name>
    <message numerus="yes">
        <source>%n fields were not in %1: set to 0</source>
        <translation>
            <numerusform>%n field was not in %1: set to 0</numerusform>
            <numerusform>%n fields were not in %1: set to 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fields differ from %1</source>
        <translation>
            <numerusform>%n field differs from %1</numerusform>
            <numerusform>%n fields differ from %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::KeepingActions</name>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n change not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</numerusform>
            <numerusform>%n changes not written to the controller: a load puts the backup&apos;s values over what was typed. Load anyway?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::LiveReadingsMonitor</name>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::ReplyDispatcher</name>
    <message numerus="yes">
        <source>Compare With Controller: %n changes not written</source>
        <translation>
            <numerusform>Compare With Controller: %n change not written</numerusform>
            <numerusform>Compare With Controller: %n changes not written</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvent::TForm1</name>
    <message numerus="yes">
        <source>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</source>
        <translation>
            <numerusform>%n change not written to the controller: closing the window loses what was typed. Quit anyway?</numerusform>
            <numerusform>%n changes not written to the controller: closing the window loses what was typed. Quit anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</source>
        <translation>
            <numerusform>%n change not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</numerusform>
            <numerusform>%n changes not written to the controller: a load puts the file&apos;s values over what was typed. Load anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</source>
        <translation>
            <numerusform>%n change not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</numerusform>
            <numerusform>%n changes not written to the controller: connecting forgets what the controller holds, and the pages show no changes until read again. Connect anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</source>
        <translation>
            <numerusform>%n change not written to the controller: after Close, what was typed can no longer be written. Close anyway?</numerusform>
            <numerusform>%n changes not written to the controller: after Close, what was typed can no longer be written. Close anyway?</numerusform>
        </translation>
    </message>
</context>
</TS>
