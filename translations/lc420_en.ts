<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Cli</name>
    <message>
        <location filename="../cli/alldrivers.cpp" line="+178"/>
        <source>this user may not open the driver (see lc420-cli list)</source>
        <translation>this user may not open the driver (see lc420-cli list)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the driver cannot be opened</source>
        <translation>the driver cannot be opened</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the driver reports no serial number</source>
        <translation>the driver reports no serial number</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n drivers report this serial number</source>
        <translation>
            <numerusform>%n drivers report this serial number</numerusform>
            <numerusform>%n drivers report this serial number</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../cli/cli.cpp" line="+200"/>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <location line="-161"/>
        <location line="+155"/>
        <source>ok</source>
        <comment>a driver&apos;s result</comment>
        <translation>ok</translation>
    </message>
    <message>
        <location line="-154"/>
        <location line="+154"/>
        <source>failed</source>
        <comment>a driver&apos;s result</comment>
        <translation>failed</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>To run it again on the driver that failed:</source>
        <comment>followed by one command a line</comment>
        <translation>
            <numerusform>To run it again on the driver that failed:</numerusform>
            <numerusform>To run it again on the drivers that failed:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+96"/>
        <location filename="../cli/upgradecommand.cpp" line="+59"/>
        <source>External flash write</source>
        <translation>External flash write</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../cli/upgradecommand.cpp" line="+2"/>
        <source>External flash verify</source>
        <translation>External flash verify</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../cli/upgradecommand.cpp" line="+12"/>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>damaged: it is no usable upgrade file.</source>
        <translation>damaged: it is no usable upgrade file.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <location line="+43"/>
        <location filename="../cli/showcommands.cpp" line="+75"/>
        <source>Writing programs</source>
        <translation>Writing programs</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Writing scenes</source>
        <translation>Writing scenes</translation>
    </message>
    <message>
        <location filename="../cli/cli.cpp" line="-25"/>
        <source>bit 0 clear: no Get or Set left the driver locked</source>
        <translation>bit 0 clear: no Get or Set left the driver locked</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status bit 0</source>
        <translation>Status bit 0</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>Choose one with --serial SERIAL; lc420-cli list shows them.</source>
        <translation>Choose one with --serial SERIAL; lc420-cli list shows them.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Attached drivers:</source>
        <translation>Attached drivers:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>bit 0 set: an interrupted Get or Set left the driver locked.</source>
        <translation>bit 0 set: an interrupted Get or Set left the driver locked.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>no access for this user</source>
        <translation>no access for this user</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not an Lc420 (wrong identification)</source>
        <translation>not an Lc420 (wrong identification)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be opened</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>set: left locked</source>
        <translation>set: left locked</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clear</source>
        <translation>clear</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Driver %1 was left locked by an interrupted Get or Set (status bit 0 set); release it with: lc420-cli --serial %1 status clear</source>
        <translation>Driver %1 was left locked by an interrupted Get or Set (status bit 0 set); release it with: lc420-cli --serial %1 status clear</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+48"/>
        <location filename="../cli/main.cpp" line="+101"/>
        <source>usage:</source>
        <translation>usage:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../cli/main.cpp" line="+22"/>
        <location filename="../cli/showcommands.cpp" line="+251"/>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message numerus="yes">
        <location line="+74"/>
        <source>%1 byte(s)</source>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+90"/>
        <source>chase</source>
        <comment>command-line word</comment>
        <translation>chase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow</source>
        <comment>command-line word</comment>
        <translation>rainbow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fade</source>
        <comment>command-line word</comment>
        <translation>fade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alternate</source>
        <comment>command-line word</comment>
        <translation>alternate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>solid</source>
        <comment>command-line word</comment>
        <translation>solid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bounce</source>
        <comment>command-line word</comment>
        <translation>bounce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>stack</source>
        <comment>command-line word</comment>
        <translation>stack</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wipe</source>
        <comment>command-line word</comment>
        <translation>wipe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sparkle</source>
        <comment>command-line word</comment>
        <translation>sparkle</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>For a programs file: %1</source>
        <translation>For a programs file: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For a scenes file: %1</source>
        <translation>For a scenes file: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is an Intel HEX file; an upgrade file is built from it with: %2</source>
        <translation>%1 is an Intel HEX file; an upgrade file is built from it with: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Release it with: %1</source>
        <translation>Release it with: %1</translation>
    </message>
    <message>
        <location filename="../cli/devicecommands.cpp" line="+81"/>
        <source>list takes no arguments</source>
        <translation>list takes no arguments</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>info takes no arguments</source>
        <translation>info takes no arguments</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+78"/>
        <source>Serial:</source>
        <translation>Serial:</translation>
    </message>
    <message>
        <location line="-78"/>
        <location line="+79"/>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <location line="-79"/>
        <location line="+82"/>
        <location line="+3"/>
        <source>Bootloader:</source>
        <translation>Bootloader:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the version texts could not be read</source>
        <translation>the version texts could not be read</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+9"/>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>application check word %1</source>
        <translation>application check word %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>external flash check word %1</source>
        <translation>external flash check word %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the check words could not be read</source>
        <translation>the check words could not be read</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <location line="+3"/>
        <location line="+22"/>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>could not be read</source>
        <translation>could not be read</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>expected get, set or clear</source>
        <translation>expected get, set or clear</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Status bits set: %1</source>
        <translation>Status bits set: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status bits cleared: %1</source>
        <translation>Status bits cleared: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>every attached driver: bus, device, serial and mode</source>
        <translation>every attached driver: bus, device, serial and mode</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>serial, mode, bootloader version texts, firmware check words and status word</source>
        <translation>serial, mode, bootloader version texts, firmware check words and status word</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show the status word, or set or clear its bit 0</source>
        <translation>show the status word, or set or clear its bit 0</translation>
    </message>
    <message>
        <location filename="../cli/firmwarecommands.cpp" line="+32"/>
        <source>address %1, </source>
        <translation>address %1, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 (%3HexToBin error %4)</source>
        <translation>%1: %2 (%3HexToBin error %4)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a HEX file and an output file</source>
        <translation>expected a HEX file and an output file</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+12"/>
        <source>No upgrade file written.</source>
        <translation>No upgrade file written.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>%1: no application data in 0x08004000..0x0801FFFB; an upgrade file of zeros would leave the driver dark.</source>
        <translation>%1: no application data in 0x08004000..0x0801FFFB; an upgrade file of zeros would leave the driver dark.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../cli/showcommands.cpp" line="-213"/>
        <source>Wrote %1 (%2)</source>
        <translation>Wrote %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application check word:</source>
        <translation>Application check word:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>External flash check word:</source>
        <translation>External flash check word:</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../cli/servicecommands.cpp" line="+39"/>
        <location filename="../cli/showcommands.cpp" line="+341"/>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../cli/playcommand.cpp" line="+103"/>
        <location filename="../cli/showcommands.cpp" line="-63"/>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>expected one HEX file</source>
        <translation>expected one HEX file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the option --%1 is missing</source>
        <translation>the option --%1 is missing</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+124"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="-110"/>
        <source>%1, too short (needs %2)</source>
        <translation>%1, too short (needs %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+121"/>
        <location filename="../cli/showcommands.cpp" line="+499"/>
        <source>The file is consistent.</source>
        <translation>The file is consistent.</translation>
    </message>
    <message>
        <location line="-121"/>
        <location line="+100"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>The file is damaged.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>%1..%2 (%3)</source>
        <translation>%1..%2 (%3)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Application:</source>
        <translation>Application:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: the file changed while it was read</source>
        <translation>%1: the file changed while it was read</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Records:</source>
        <translation>Records:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outside:</source>
        <translation>Outside:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conflicts:</source>
        <translation>Conflicts:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check words:</source>
        <translation>Check words:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no data</source>
        <translation>no data</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n record(s), %1 with data</source>
        <translation>
            <numerusform>%n record, %1 with data</numerusform>
            <numerusform>%n records, %1 with data</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>left out of an upgrade file</source>
        <translation>left out of an upgrade file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 outside the areas differ between records, the first at %2 (line %3)</source>
        <translation>%1 outside the areas differ between records, the first at %2 (line %3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>application %1, external flash %2, as build-upg writes them</source>
        <translation>application %1, external flash %2, as build-upg writes them</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no application data: build-upg writes no upgrade file</source>
        <translation>no application data: build-upg writes no upgrade file</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot inspect &quot;%1&quot;: not an upgrade (.upg), Intel HEX (.hex), programs (.pgm) or scenes (.scn) file</source>
        <translation>cannot inspect &quot;%1&quot;: not an upgrade (.upg), Intel HEX (.hex), programs (.pgm) or scenes (.scn) file</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>build-upg IN.hex OUT.upg</source>
        <translation>build-upg IN.hex OUT.upg</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--date YYMMDD</source>
        <translation>--date YYMMDD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the production date: year 00-99, month 01-12, day 01-31</source>
        <translation>the production date: year 00-99, month 01-12, day 01-31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--number N</source>
        <translation>--number N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the running number of the first image, 0 to 999</source>
        <translation>the running number of the first image, 0 to 999</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--count C</source>
        <translation>--count C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>how many images, numbered on from N</source>
        <translation>how many images, numbered on from N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--out DIR</source>
        <translation>--out DIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the folder to write them to [the current folder]</source>
        <translation>the folder to write them to [the current folder]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inspect FILE</source>
        <translation>inspect FILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>check an upgrade, Intel HEX, programs or scenes file and summarise it</source>
        <translation>check an upgrade, Intel HEX, programs or scenes file and summarise it</translation>
    </message>
    <message>
        <location line="-271"/>
        <source>--date must be YYMMDD (year 00-99, month 01-12, day 01-31)</source>
        <translation>--date must be YYMMDD (year 00-99, month 01-12, day 01-31)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--number must be 0 to 999</source>
        <translation>--number must be 0 to 999</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--count must be 1 to %1</source>
        <translation>--count must be 1 to %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+115"/>
        <location filename="../cli/showcommands.cpp" line="-24"/>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <location line="-115"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Header:</source>
        <translation>Header:</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image:</source>
        <translation>Image:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>App:</source>
        <translation>App:</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+62"/>
        <source>Ext flash:</source>
        <translation>Ext flash:</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Wrong file header</source>
        <translation>Wrong file header</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrong file version (%1)</source>
        <translation>Wrong file version (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged: %1</source>
        <translation>damaged: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>check word %1, areas add up to %2: %3</source>
        <translation>check word %1, areas add up to %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>match</source>
        <translation>match</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MISMATCH</source>
        <translation>MISMATCH</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>expected one file</source>
        <translation>expected one file</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>build an upgrade file from an Intel HEX file</source>
        <translation>build an upgrade file from an Intel HEX file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>boot-images IN.hex --date YYMMDD --number N --count C [--out DIR]</source>
        <translation>boot-images IN.hex --date YYMMDD --number N --count C [--out DIR]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bootloader images with serial numbers</source>
        <translation>bootloader images with serial numbers</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="-64"/>
        <source>--log needs a file name</source>
        <translation>--log needs a file name</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--serial needs a serial number</source>
        <translation>--serial needs a serial number</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Pick one with --serial SERIAL:</source>
        <translation>Pick one with --serial SERIAL:</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>--log records upgrade, verify-firmware, programs set and scenes set, not %1</source>
        <translation>--log records upgrade, verify-firmware, programs set and scenes set, not %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 (see lc420-cli --help)</source>
        <translation>%1 (see lc420-cli --help)</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>%1 does not run on every driver; --all does not apply</source>
        <translation>%1 does not run on every driver; --all does not apply</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>lc420-cli [--trace] [--serial SERIAL | --all] [--json] [--log FILE.csv] COMMAND [ARGS...]</source>
        <translation>lc420-cli [--trace] [--serial SERIAL | --all] [--json] [--log FILE.csv] COMMAND [ARGS...]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Lc420 driver&apos;s configuration tool for terminals and scripts.</source>
        <translation>The Lc420 driver&apos;s configuration tool for terminals and scripts.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad or unreadable file.</source>
        <translation>Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad or unreadable file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each command&apos;s own options: lc420-cli COMMAND --help</source>
        <translation>Each command&apos;s own options: lc420-cli COMMAND --help</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--serial SERIAL</source>
        <translation>--serial SERIAL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>use the driver with this serial number (with or without its bootloader &quot;b&quot;); needed when several drivers are attached</source>
        <translation>use the driver with this serial number (with or without its bootloader &quot;b&quot;); needed when several drivers are attached</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>one JSON document on standard output and nothing else (list, info, status, inspect, show-file, programs verify, scenes verify, verify-firmware; with --all the summary as an array); messages and progress go to standard error</source>
        <translation>one JSON document on standard output and nothing else (list, info, status, inspect, show-file, programs verify, scenes verify, verify-firmware; with --all the summary as an array); messages and progress go to standard error</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>upgrade, verify-firmware, programs set and scenes set on every attached driver at once, one line of progress each; a summary of serial, result and seconds at the end; exit 0 only when every driver succeeded</source>
        <translation>upgrade, verify-firmware, programs set and scenes set on every attached driver at once, one line of progress each; a summary of serial, result and seconds at the end; exit 0 only when every driver succeeded</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--log FILE.csv</source>
        <translation>--log FILE.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>append one line per driver that upgrade, verify-firmware, programs set or scenes set ran on, whether it succeeded or failed: UTC time, serial, command, file, the check words or SHA-256 of the file as sent, result; written as each driver ends</source>
        <translation>append one line per driver that upgrade, verify-firmware, programs set or scenes set ran on, whether it succeeded or failed: UTC time, serial, command, file, the check words or SHA-256 of the file as sent, result; written as each driver ends</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>write the debug trace to standard error</source>
        <translation>write the debug trace to standard error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program&apos;s version</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this text</source>
        <translation>this text</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--all and --serial exclude each other</source>
        <translation>--all and --serial exclude each other</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 has no --json output</source>
        <translation>%1 has no --json output</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 uses no driver; --serial does not apply</source>
        <translation>%1 uses no driver; --serial does not apply</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot open the log %1: %2</source>
        <translation>cannot open the log %1: %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>unknown command &quot;%1&quot; (see lc420-cli --help)</source>
        <translation>unknown command &quot;%1&quot; (see lc420-cli --help)</translation>
    </message>
    <message>
        <location filename="../cli/servicecommands.cpp" line="-5"/>
        <source>--raw takes one output file</source>
        <translation>--raw takes one output file</translation>
    </message>
    <message numerus="yes">
        <location line="+43"/>
        <source>Wrote %n byte(s) to %1</source>
        <translation>
            <numerusform>Wrote %n byte to %1</numerusform>
            <numerusform>Wrote %n bytes to %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>expected an address and a length</source>
        <translation>expected an address and a length</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the address is not a hexadecimal number</source>
        <translation>the address is not a hexadecimal number</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+70"/>
        <source>the length must be 1 to %1</source>
        <translation>the length must be 1 to %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+29"/>
        <location line="+43"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+29"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>expected an address, a length and a data byte</source>
        <translation>expected an address, a length and a data byte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>address and data are hexadecimal numbers</source>
        <translation>address and data are hexadecimal numbers</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>Wrote %n byte(s) of 0x%1 at 0x%2</source>
        <translation>
            <numerusform>Wrote %n byte of 0x%1 at 0x%2</numerusform>
            <numerusform>Wrote %n bytes of 0x%1 at 0x%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>(the file has %n byte(s))</source>
        <translation>
            <numerusform>(the file has %n byte)</numerusform>
            <numerusform>(the file has %n bytes)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>expected a fill byte of 0 to 255</source>
        <translation>expected a fill byte of 0 to 255</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page was written.</source>
        <translation>The page was written.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>read-memory ADDR LEN [--raw OUT.bin]</source>
        <translation>read-memory ADDR LEN [--raw OUT.bin]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex dump of controller memory (ADDR in hex, LEN 1 to %1)</source>
        <translation>hex dump of controller memory (ADDR in hex, LEN 1 to %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>read-ext ADDR LEN [--raw OUT.bin]</source>
        <translation>read-ext ADDR LEN [--raw OUT.bin]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex dump of external flash, decoded (ADDR in hex, LEN 1 to %1)</source>
        <translation>hex dump of external flash, decoded (ADDR in hex, LEN 1 to %1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write-ext ADDR LEN DATA</source>
        <translation>write-ext ADDR LEN DATA</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>expected one binary file</source>
        <translation>expected one binary file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>write-test-block takes no arguments</source>
        <translation>write-test-block takes no arguments</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>run-application takes no arguments</source>
        <translation>run-application takes no arguments</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RunApplication sent; the driver resets.</source>
        <translation>RunApplication sent; the driver resets.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>connect takes no arguments</source>
        <translation>connect takes no arguments</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Connected: the driver answers.</source>
        <translation>Connected: the driver answers.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--raw OUT.bin</source>
        <translation>--raw OUT.bin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>write the bytes to OUT.bin instead of the hex dump</source>
        <translation>write the bytes to OUT.bin instead of the hex dump</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>check that an Lc420 driver answers</source>
        <translation>check that an Lc420 driver answers</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>fill external flash with one byte (ADDR, DATA in hex)</source>
        <translation>fill external flash with one byte (ADDR, DATA in hex)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write-ext-bin FILE</source>
        <translation>write-ext-bin FILE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write a raw image to the external flash and verify it</source>
        <translation>write a raw image to the external flash and verify it</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write-page BYTE</source>
        <translation>write-page BYTE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fill the page at 0x08005000 (bootloader only)</source>
        <translation>fill the page at 0x08005000 (bootloader only)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>send the 512-byte test block</source>
        <translation>send the 512-byte test block</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reset into the bootloader, or start the application</source>
        <translation>reset into the bootloader, or start the application</translation>
    </message>
    <message>
        <location filename="../cli/showcommands.cpp" line="-823"/>
        <source>First difference (written → read back): %1</source>
        <translation>First difference (written → read back): %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Checking programs</source>
        <translation>Checking programs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Checking scenes</source>
        <translation>Checking scenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading programs</source>
        <translation>Reading programs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reading scenes</source>
        <translation>Reading scenes</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Wrote %1 to the driver.</source>
        <translation>Wrote %1 to the driver.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>The driver holds exactly the programs of %1.</source>
        <translation>The driver holds exactly the programs of %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The driver holds exactly the scenes of %1.</source>
        <translation>The driver holds exactly the scenes of %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The driver&apos;s programs differ from %1 in %n step(s) (file → driver):</source>
        <translation>
            <numerusform>The driver&apos;s programs differ from %1 in %n step(s) (file → driver):</numerusform>
            <numerusform>The driver&apos;s programs differ from %1 in %n step(s) (file → driver):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The driver&apos;s scenes differ from %1 in %n scene(s) (file → driver):</source>
        <translation>
            <numerusform>The driver&apos;s scenes differ from %1 in %n scene(s) (file → driver):</numerusform>
            <numerusform>The driver&apos;s scenes differ from %1 in %n scene(s) (file → driver):</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>black</source>
        <comment>command-line word</comment>
        <translation>black</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>command-line word</comment>
        <translation>white</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>command-line word</comment>
        <translation>red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>command-line word</comment>
        <translation>green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>command-line word</comment>
        <translation>blue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>command-line word</comment>
        <translation>yellow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>command-line word</comment>
        <translation>cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <comment>command-line word</comment>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange</source>
        <comment>command-line word</comment>
        <translation>orange</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>up</source>
        <comment>command-line word</comment>
        <translation>up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>down</source>
        <comment>command-line word</comment>
        <translation>down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>all</source>
        <comment>command-line word</comment>
        <translation>all</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>PATTERN</source>
        <translation>PATTERN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>one of: %1</source>
        <translation>one of: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+647"/>
        <source>--program N</source>
        <translation>--program N</translation>
    </message>
    <message>
        <location line="-647"/>
        <source>the program to fill, 1 to 8 [1]</source>
        <translation>the program to fill, 1 to 8 [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--first N</source>
        <translation>--first N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the first step to fill [1]</source>
        <translation>the first step to fill [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the first scene to fill [1]</source>
        <translation>the first scene to fill [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--last N</source>
        <translation>--last N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the last step to fill [12]</source>
        <translation>the last step to fill [12]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last scene to fill [8]</source>
        <translation>the last scene to fill [8]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--lamps LIST</source>
        <translation>--lamps LIST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the lamps, such as 1-6,9, or %1 [%1]</source>
        <translation>the lamps, such as 1-6,9, or %1 [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--color COLOR</source>
        <translation>--color COLOR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chase, bounce, stack, sparkle: the light; fade: the first colour; alternate, wipe: the first colour; solid: the colour [%1]</source>
        <translation>chase, bounce, stack, sparkle: the light; fade: the first colour; alternate, wipe: the first colour; solid: the colour [%1]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--color2 COLOR</source>
        <translation>--color2 COLOR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, bounce, stack, sparkle: the background; fade: the last colour; alternate, wipe: the second colour [%1]</source>
        <translation>chase, bounce, stack, sparkle: the background; fade: the last colour; alternate, wipe: the second colour [%1]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--direction DIR</source>
        <translation>--direction DIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, rainbow, bounce, stack, wipe: %1 (from lamp 1 towards lamp 12) or %2 [%1]</source>
        <translation>chase, rainbow, bounce, stack, wipe: %1 (from lamp 1 towards lamp 12) or %2 [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--width N</source>
        <translation>--width N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, bounce, sparkle: how many lamps are lit at once [1]</source>
        <translation>chase, bounce, sparkle: how many lamps are lit at once [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--seed N</source>
        <translation>--seed N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>sparkle: where the random lamps come from, 0 to 2147483647; the same seed gives the same steps [1]</source>
        <translation>sparkle: where the random lamps come from, 0 to 2147483647; the same seed gives the same steps [1]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--scene-time MS</source>
        <translation>--scene-time MS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the Scene Time of every filled step, 0 to 900000 [500]</source>
        <translation>the Scene Time of every filled step, 0 to 900000 [500]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--xfade N</source>
        <translation>--xfade N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the XFade of every filled step, 0 to 100000 [0]</source>
        <translation>the XFade of every filled step, 0 to 100000 [0]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no End Marker on the last filled step (the others get none either) [End Marker on the last step]</source>
        <translation>no End Marker on the last filled step (the others get none either) [End Marker on the last step]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--from FILE</source>
        <translation>--from FILE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>start from the table in FILE instead of an all-black one</source>
        <translation>start from the table in FILE instead of an all-black one</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>#rrggbb, R,G,B or one of: %1</source>
        <translation>#rrggbb, R,G,B or one of: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>(the options: %1)</source>
        <translation>(the options: %1)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>fill uses no driver; --all, --json and --log do not apply</source>
        <translation>fill uses no driver; --all, --json and --log do not apply</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>unknown pattern &quot;%1&quot;; the patterns: %2</source>
        <translation>unknown pattern &quot;%1&quot;; the patterns: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>scenes have no End Marker</source>
        <translation>scenes have no End Marker</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 takes a number, not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--program goes with programs fill only</source>
        <translation>--program goes with programs fill only</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--lamps takes lamp numbers 1 to 12 such as 1-6,9, or %1; not &quot;%2&quot;</source>
        <translation>--lamps takes lamp numbers 1 to 12 such as 1-6,9, or %1; not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 takes #rrggbb, R,G,B or a colour name; not &quot;%2&quot;</source>
        <translation>%1 takes #rrggbb, R,G,B or a colour name; not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--direction takes %1 or %2</source>
        <translation>--direction takes %1 or %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>expected a pattern and one output file</source>
        <translation>expected a pattern and one output file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--seed goes with sparkle only</source>
        <translation>--seed goes with sparkle only</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the pattern could not be written</source>
        <translation>the pattern could not be written</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>program %1, steps %2 to %3</source>
        <translation>program %1, steps %2 to %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scenes %1 to %2</source>
        <translation>scenes %1 to %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (seed %2)</source>
        <translation>%1 (seed %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrote %1 (%2): %3 on %4</source>
        <translation>Wrote %1 (%2): %3 on %4</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>expected get, set or verify and a file</source>
        <translation>expected get, set or verify and a file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--all and --log go with set only</source>
        <translation>--all and --log go with set only</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json goes with verify or --all only</source>
        <translation>--json goes with verify or --all only</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>expected get, set or verify</source>
        <translation>expected get, set or verify</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>--color takes always, never or auto</source>
        <translation>--color takes always, never or auto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--json does not go with --play</source>
        <translation>--json does not go with --play</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected one show file</source>
        <translation>expected one show file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is neither a programs nor a scenes file.</source>
        <translation>%1 is neither a programs nor a scenes file.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is a scenes file; --play plays a program of a programs file.</source>
        <translation>%1 is a scenes file; --play plays a program of a programs file.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>XFade</source>
        <translation>XFade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene Time</source>
        <translation>Scene Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Marker</source>
        <translation>End Marker</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Block:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steps:</source>
        <translation>Steps:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes:</source>
        <translation>Scenes:</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>show-file [--color=always|never|auto] [--play [--program N] [--loops N]] FILE</source>
        <translation>show-file [--color=always|never|auto] [--play [--program N] [--loops N]] FILE</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>lamps in colour always, never, or only on a terminal when NO_COLOR is unset [auto]</source>
        <translation>lamps in colour always, never, or only on a terminal when NO_COLOR is unset [auto]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>play a program, one step per Scene Time, until Ctrl+C</source>
        <translation>play a program, one step per Scene Time, until Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>with --play: the program to play, 1 to 8 [1]</source>
        <translation>with --play: the program to play, 1 to 8 [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--loops N</source>
        <translation>--loops N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>with --play: stop after N rounds [until Ctrl+C]</source>
        <translation>with --play: stop after N rounds [until Ctrl+C]</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Wrong file length (cut short, needs %1)</source>
        <translation>Wrong file length (cut short, needs %1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 in use</source>
        <translation>%1 of %2 in use</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>programs between the driver and a file, or compared with one</source>
        <translation>programs between the driver and a file, or compared with one</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>print a programs or scenes file as a table; on a terminal each lamp in its colour; --play plays a program</source>
        <translation>print a programs or scenes file as a table; on a terminal each lamp in its colour; --play plays a program</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>scenes between the driver and a file, or compared with one</source>
        <translation>scenes between the driver and a file, or compared with one</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 (%2, %3 expected)</source>
        <translation>%1 (%2, %3 expected)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrong file length (%1, needs %2)</source>
        <translation>Wrong file length (%1, needs %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>programs get|set|verify FILE.pgm</source>
        <translation>programs get|set|verify FILE.pgm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>programs fill PATTERN [OPTIONS] OUT.pgm</source>
        <translation>programs fill PATTERN [OPTIONS] OUT.pgm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pattern (%1) in steps of a program, as a file; no driver is used</source>
        <translation>a pattern (%1) in steps of a program, as a file; no driver is used</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>scenes get|set|verify FILE.scn</source>
        <translation>scenes get|set|verify FILE.scn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scenes fill PATTERN [OPTIONS] OUT.scn</source>
        <translation>scenes fill PATTERN [OPTIONS] OUT.scn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same patterns over the scenes</source>
        <translation>the same patterns over the scenes</translation>
    </message>
    <message>
        <location filename="../cli/upgradecommand.cpp" line="-30"/>
        <source>To run the upgrade again: %1</source>
        <translation>To run the upgrade again: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>expected one upgrade file</source>
        <translation>expected one upgrade file</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>upgrade FILE.upg</source>
        <translation>upgrade FILE.upg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upgrade the driver&apos;s firmware from an upgrade file</source>
        <translation>upgrade the driver&apos;s firmware from an upgrade file</translation>
    </message>
    <message>
        <location filename="../cli/verifycommand.cpp" line="+20"/>
        <source>Reading the application</source>
        <translation>Reading the application</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the external flash</source>
        <translation>Reading the external flash</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>expected at most one upgrade file</source>
        <translation>expected at most one upgrade file</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>read the driver&apos;s firmware back: the same as the file, or without one, whether it adds up to its check words</source>
        <translation>read the driver&apos;s firmware back: the same as the file, or without one, whether it adds up to its check words</translation>
    </message>
    <message>
        <location filename="../cli/playcommand.cpp" line="+6"/>
        <source>--program takes a program from 1 to %1, not &quot;%2&quot;</source>
        <translation>--program takes a program from 1 to %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--loops takes a number of rounds from 1 on, not &quot;%1&quot;</source>
        <translation>--loops takes a number of rounds from 1 on, not &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--program and --loops go with --play</source>
        <translation>--program and --loops go with --play</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program %1, step %2 of %3:</source>
        <translation>Program %1, step %2 of %3:</translation>
    </message>
    <message>
        <location filename="../cli/productionlog.cpp" line="+82"/>
        <location line="+11"/>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>the log is not open</source>
        <translation>the log is not open</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>cannot record %1 in %2: %3</source>
        <translation>cannot record %1 in %2: %3</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <location filename="../usb/connection.cpp" line="+31"/>
        <source>No Lc420 driver is attached.</source>
        <translation>No Lc420 driver is attached.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</source>
        <translation>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Found an Lc420 on bus %1 device %2, but it cannot be opened; another program may be using it.</source>
        <translation>Found an Lc420 on bus %1 device %2, but it cannot be opened; another program may be using it.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 is not attached.</source>
        <translation>Driver %1 is not attached.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.</source>
        <translation>%1 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Driver %1 stopped answering (USB time-out); check the USB cable.</source>
        <translation>Driver %1 stopped answering (USB time-out); check the USB cable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver did not answer in time (USB time-out); check the USB cable.</source>
        <translation>The driver did not answer in time (USB time-out); check the USB cable.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1 went off the USB bus during the command; no other driver was used in its place.</source>
        <translation>Driver %1 went off the USB bus during the command; no other driver was used in its place.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver went off the USB bus during a transfer.</source>
        <translation>The driver went off the USB bus during a transfer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver refused a USB transfer.</source>
        <translation>The driver refused a USB transfer.</translation>
    </message>
</context>
<context>
    <name>DialogInfo</name>
    <message>
        <location filename="../app/information.ui" line="+14"/>
        <source>Lc420 Information</source>
        <translation>Lc420 Information</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Lc420 driver configuration software&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;img src=&quot;:/res/images/logo.png&quot;/&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;a href=&quot;https://www.example.com&quot;&gt;https://www.example.com&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Example Lighting Ltd.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;12 Sample Street&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;00-000 Exampletown&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Nowhere Land&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;tel. +00 000 000 000&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;fax +00 000 000 001&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;a href=&quot;mailto:info@example.com&quot;&gt;info@example.com&lt;/a&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-size:8pt;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Lc420 driver configuration software&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;img src=&quot;:/res/images/logo.png&quot;/&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;a href=&quot;https://www.example.com&quot;&gt;https://www.example.com&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Example Lighting Ltd.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;12 Sample Street&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;00-000 Exampletown&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Nowhere Land&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;tel. +00 000 000 000&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;fax +00 000 000 001&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;a href=&quot;mailto:info@example.com&quot;&gt;info@example.com&lt;/a&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>DriverIndicator</name>
    <message>
        <location filename="../app/driverindicator.cpp" line="+96"/>
        <source>Bus %1 device %2: this user may not open it</source>
        <translation>Bus %1 device %2: this user may not open it</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bus %1 device %2: not answering</source>
        <translation>Bus %1 device %2: not answering</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, not answering</source>
        <translation>%1, not answering</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bus %1 device %2: not read yet</source>
        <translation>Bus %1 device %2: not read yet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, waiting in its bootloader</source>
        <translation>%1, waiting in its bootloader</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, application</source>
        <translation>%1, application</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Several drivers are attached: choose one</source>
        <translation>Several drivers are attached: choose one</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Driver %1: the firmware upgrade is running</source>
        <translation>Driver %1: the firmware upgrade is running</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1</source>
        <translation>Driver %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Driver %1 was left locked by an interrupted Get or Set</source>
        <translation>Driver %1 was left locked by an interrupted Get or Set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver %1 waits in its bootloader: press &quot;Firmware Change&quot; to finish the upgrade</source>
        <translation>Driver %1 waits in its bootloader: press &quot;Firmware Change&quot; to finish the upgrade</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 waits in its bootloader</source>
        <translation>Driver %1 waits in its bootloader</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Driver %1: application</source>
        <translation>Driver %1: application</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Release the lock</source>
        <translation>Release the lock</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>To let the driver&apos;s show run again, release its lock: click the driver indicator in the status bar and choose &quot;%1&quot;.</source>
        <translation>To let the driver&apos;s show run again, release its lock: click the driver indicator in the status bar and choose &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose one: click the driver indicator in the status bar.</source>
        <translation>Choose one: click the driver indicator in the status bar.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Driver %1: application %2</source>
        <translation>Driver %1: application %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1: application, bootloader %2</source>
        <translation>Driver %1: application, bootloader %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1: application %2, bootloader %3</source>
        <translation>Driver %1: application %2, bootloader %3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Firmware check words: %1</source>
        <translation>Firmware check words: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader: %1 %2</source>
        <translation>Bootloader: %1 %2</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1 was not released: %2</source>
        <translation>Driver %1 was not released: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Driver %1 was released.</source>
        <translation>Driver %1 was released.</translation>
    </message>
</context>
<context>
    <name>DriverInfo</name>
    <message>
        <location filename="../usb/driverinfo.cpp" line="+32"/>
        <source>application</source>
        <translation>application</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bootloader</source>
        <translation>bootloader</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>runs its application</source>
        <translation>runs its application</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waits in its bootloader</source>
        <translation>waits in its bootloader</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>answers in an unknown mode</source>
        <translation>answers in an unknown mode</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>application %1, external flash %2</source>
        <translation>application %1, external flash %2</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <location filename="../app/filehistory.cpp" line="+74"/>
        <source>The settings file %1 is not a regular file and was left alone; recent files are kept only until the program ends.</source>
        <translation>The settings file %1 is not a regular file and was left alone; recent files are kept only until the program ends.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The settings cannot be saved in %1; recent files are kept only until the program ends.</source>
        <translation>The settings cannot be saved in %1; recent files are kept only until the program ends.</translation>
    </message>
</context>
<context>
    <name>FillStepsDialog</name>
    <message>
        <location filename="../widgets/dialogs/fillstepsdialog.cpp" line="+43"/>
        <source>Fill Steps</source>
        <translation>Fill Steps</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes</source>
        <translation>Scenes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Pattern:</source>
        <translation>&amp;Pattern:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lamp 1 to lamp 12</source>
        <translation>Lamp 1 to lamp 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp 12 to lamp 1</source>
        <translation>Lamp 12 to lamp 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Direction:</source>
        <translation>&amp;Direction:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lamps lit at o&amp;nce:</source>
        <translation>Lamps lit at o&amp;nce:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ne&amp;w Seed</source>
        <translation>Ne&amp;w Seed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw another seed at random, for other random lamps.</source>
        <translation>Draw another seed at random, for other random lamps.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lamp %1</source>
        <translation>Lamp %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lamps:</source>
        <translation>Lamps:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;First step:</source>
        <translation>&amp;First step:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;First scene:</source>
        <translation>&amp;First scene:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&amp;ast step:</source>
        <translation>L&amp;ast step:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>L&amp;ast scene:</source>
        <translation>L&amp;ast scene:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene &amp;Time:</source>
        <translation>Scene &amp;Time:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;XFade:</source>
        <translation>&amp;XFade:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;End Marker on the last step</source>
        <translation>&amp;End Marker on the last step</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>&amp;Light:</source>
        <translation>&amp;Light:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Background:</source>
        <translation>&amp;Background:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>F&amp;rom:</source>
        <translation>F&amp;rom:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;o:</source>
        <translation>T&amp;o:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Colour 1:</source>
        <translation>&amp;Colour 1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colour &amp;2:</source>
        <translation>Colour &amp;2:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Colour:</source>
        <translation>&amp;Colour:</translation>
    </message>
</context>
<context>
    <name>FirmwareCheck</name>
    <message>
        <location filename="../firmware/firmwareverify.cpp" line="+76"/>
        <source>The driver holds %1.</source>
        <translation>The driver holds %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver&apos;s check words could not be read.</source>
        <translation>The driver&apos;s check words could not be read.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The driver holds %1, the same as the file: it has this firmware.</source>
        <translation>The driver holds %1, the same as the file: it has this firmware.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file holds %1.</source>
        <translation>The file holds %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+89"/>
        <source>The application differs from the file in %n page(s), first at %1.</source>
        <translation>
            <numerusform>The application differs from the file in %n page, first at %1.</numerusform>
            <numerusform>The application differs from the file in %n pages, first at %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>The external flash&apos;s firmware block differs from the file in %n chunk(s) of 256 bytes, first at %1.</source>
        <translation>
            <numerusform>The external flash&apos;s firmware block differs from the file in %n chunk of 256 bytes, first at %1.</numerusform>
            <numerusform>The external flash&apos;s firmware block differs from the file in %n chunks of 256 bytes, first at %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The application does not add up to its check word (%1 stored, %2 summed): the bootloader will not start it.</source>
        <translation>The application does not add up to its check word (%1 stored, %2 summed): the bootloader will not start it.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The external flash&apos;s firmware block does not add up to its check word (%1 stored, %2 summed).</source>
        <translation>The external flash&apos;s firmware block does not add up to its check word (%1 stored, %2 summed).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The firmware of driver %1 is the same as %2 (%3).</source>
        <translation>The firmware of driver %1 is the same as %2 (%3).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The firmware of driver %1 is not the same as %2.</source>
        <translation>The firmware of driver %1 is not the same as %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The firmware of driver %1 is intact: both areas add up to their check words (%2).</source>
        <translation>The firmware of driver %1 is intact: both areas add up to their check words (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The firmware of driver %1 is damaged.</source>
        <translation>The firmware of driver %1 is damaged.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is no usable upgrade file; nothing was read from the driver.</source>
        <translation>%1 is no usable upgrade file; nothing was read from the driver.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reading the firmware back from the driver failed: %1</source>
        <translation>Reading the firmware back from the driver failed: %1</translation>
    </message>
</context>
<context>
    <name>Hex</name>
    <message>
        <location filename="../firmware/hextobin.cpp" line="+374"/>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line too short for a record</source>
        <translation>line too short for a record</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line does not begin with &apos;:&apos;</source>
        <translation>line does not begin with &apos;:&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>byte count is not hexadecimal</source>
        <translation>byte count is not hexadecimal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>address is not hexadecimal</source>
        <translation>address is not hexadecimal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record type is not hexadecimal</source>
        <translation>record type is not hexadecimal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record does not match its line</source>
        <translation>the record does not match its line</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unsupported record type, a byte count or address that does not fit it, or a second start address</source>
        <translation>unsupported record type, a byte count or address that does not fit it, or a second start address</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>checksum mismatch</source>
        <translation>checksum mismatch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot open the file</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no end-of-file record: the file is cut short</source>
        <translation>no end-of-file record: the file is cut short</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this record gives an address a different value than an earlier record</source>
        <translation>this record gives an address a different value than an earlier record</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this record&apos;s data on a check word differs from the word computed</source>
        <translation>this record&apos;s data on a check word differs from the word computed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>Lamp</name>
    <message>
        <location filename="../widgets/superrgb.ui" line="+38"/>
        <source>LampWindow</source>
        <comment>don&apos;t translate</comment>
        <translation>LampWindow</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Single LED settings</source>
        <comment>Actual single LED settings</comment>
        <translation>Single LED settings</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Value of red color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Value of red color &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next green edit box, SHIFT+TAB previous blue edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB key next green edit box, SHIFT+TAB previous blue edit box</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Value of green color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Value of green color &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next blue edit box, SHIFT+TAB previous red edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB key next blue edit box, SHIFT+TAB previous red edit box</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Value of blue color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Value of blue color &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next red edit box, SHIFT+TAB previous green edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB key next red edit box, SHIFT+TAB previous green edit box</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+3"/>
        <source>Add 1 to red</source>
        <comment>no comment</comment>
        <translation>Add 1 to red</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Add 1 to green</source>
        <comment>no comment</comment>
        <translation>Add 1 to green</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Add 1 to blue</source>
        <comment>no comment</comment>
        <translation>Add 1 to blue</translation>
    </message>
    <message>
        <location line="+144"/>
        <location line="+3"/>
        <source>Remove 1 from red</source>
        <comment>no comment</comment>
        <translation>Remove 1 from red</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Remove 1 from green</source>
        <comment>no comment</comment>
        <translation>Remove 1 from green</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Remove 1 from blue</source>
        <comment>no comment</comment>
        <translation>Remove 1 from blue</translation>
    </message>
</context>
<context>
    <name>Lc460_bootloader</name>
    <message>
        <location filename="../app/filemenu.cpp" line="+56"/>
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Recent Files</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../app/showpage.cpp" line="+445"/>
        <source>Save &amp;As…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <location line="+63"/>
        <location filename="../app/lc460_bootloader.cpp" line="+38"/>
        <source>Lc420 ver. </source>
        <translation>Lc420 ver. </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Open Programs or Scenes File</source>
        <translation>Choose a Programs or Scenes File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programs and Scenes Files (*.pgm *.scn);;All Files (*)</source>
        <translation>Programs and scenes files (*.pgm *.scn);;All files (*)</translation>
    </message>
    <message>
        <location filename="../app/lc460_bootloader.cpp" line="+304"/>
        <source>Stop the preview, or clear the slider marks of the tab in view</source>
        <translation>Stop the preview, or clear the slider marks of the tab in view</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Open the menu bar</source>
        <translation>Open the menu bar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Get From Lc420</source>
        <translation>Get From Lc420</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set In Lc420</source>
        <translation>Set In Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tool Bar</source>
        <translation>Tool Bar</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+5"/>
        <location filename="../service/serviceconsole.cpp" line="+385"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Firmware upgrade in progress</source>
        <translation>Firmware upgrade in progress</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The driver is busy with a transfer. Try again when it has ended.</source>
        <translation>The driver is busy with a transfer. Try again when it has ended.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The window closes when the transfer has ended.</source>
        <translation>The window closes when the transfer has ended.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programs or scenes have changed since they were last saved or sent to the driver. Save them before closing?</source>
        <translation>Programs or scenes have changed since they were last saved or sent to the driver. Save them before closing?</translation>
    </message>
    <message>
        <location filename="../app/firmwarepage.cpp" line="+85"/>
        <location line="+44"/>
        <source>Hex (*.hex)</source>
        <translation>HEX files (*.hex)</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+67"/>
        <source>HexToBin error: %1)</source>
        <translation>The HEX file cannot be read (error %1).</translation>
    </message>
    <message>
        <location line="-65"/>
        <location line="+11"/>
        <location line="+56"/>
        <location line="+30"/>
        <location line="+120"/>
        <location filename="../app/showpage.cpp" line="-196"/>
        <location line="+22"/>
        <location line="+35"/>
        <location filename="../service/serviceconsole.cpp" line="-56"/>
        <location line="+39"/>
        <location line="+21"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>No application data (0x08004000..0x0801FFFB) in %1; no upgrade file written.</source>
        <translation>No application data (0x08004000..0x0801FFFB) in %1; no upgrade file written.</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Open File</source>
        <comment>a HEX file to build an upgrade file from</comment>
        <translation>Choose a HEX File for the Upgrade File</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Save File</source>
        <comment>the upgrade file built from a HEX file</comment>
        <translation>Save the Upgrade File</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+92"/>
        <location line="+132"/>
        <source>Upg (*.upg)</source>
        <translation>Upgrade files (*.upg)</translation>
    </message>
    <message>
        <location line="-219"/>
        <location line="+49"/>
        <location filename="../app/showpage.cpp" line="+97"/>
        <location line="+94"/>
        <source>File error</source>
        <translation>File error</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Open File</source>
        <comment>a HEX file to build bootloader images from</comment>
        <translation>Choose a HEX File for the Bootloader Images</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Production year</source>
        <translation>Production year</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year(YY)</source>
        <translation>Year (YY)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production mont</source>
        <translation>Production month</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month(MM)</source>
        <translation>Month (MM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production day</source>
        <translation>Production day</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day(DD)</source>
        <translation>Day (DD)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production number</source>
        <translation>Production number</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number(NNN)</source>
        <translation>Number (NNN)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Counter</source>
        <translation>Counter</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../cli/firmwarecommands.cpp" line="-239"/>
        <source>New bootloader + serial:</source>
        <translation>New bootloader + serial:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Open File</source>
        <comment>the upgrade file for Firmware Change</comment>
        <translation>Choose an Upgrade File</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>(could not be read)</source>
        <translation>(could not be read)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Upgrade the firmware of driver %1 with %2?

The driver %3. Its bootloader version:
%4

%5

Do not unplug the driver until the upgrade has ended.</source>
        <translation>Upgrade the firmware of driver %1 with %2?

The driver %3. Its bootloader version:
%4

%5

Do not unplug the driver until the upgrade has ended.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Firmware Change cancelled: nothing was sent to driver %1.</source>
        <translation>Firmware Change cancelled: nothing was sent to driver %1.</translation>
    </message>
    <message>
        <location line="+59"/>
        <location line="+57"/>
        <source>Verify Firmware</source>
        <translation>Verify Firmware</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Compare the driver&apos;s firmware with an upgrade file?

Yes: choose the file; what the driver holds must be exactly its firmware.
No: without a file; each firmware area must add up to its check word, as the bootloader checks it.</source>
        <translation>Compare the driver&apos;s firmware with an upgrade file?

Yes: choose the file; what the driver holds must be exactly its firmware.
No: without a file; each firmware area must add up to its check word, as the bootloader checks it.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Open File</source>
        <comment>the upgrade file to verify the driver&apos;s firmware against</comment>
        <translation>Open File</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Verifying the driver&apos;s firmware ...</source>
        <translation>Verifying the driver&apos;s firmware ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verifying the driver&apos;s firmware against %1 ...</source>
        <translation>Verifying the driver&apos;s firmware against %1 ...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The driver was only read. To write its firmware again, press &quot;Firmware Change&quot; and choose the upgrade file.</source>
        <translation>The driver was only read. To write its firmware again, press &quot;Firmware Change&quot; and choose the upgrade file.</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Firmware Change</source>
        <translation>Firmware Change</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-316"/>
        <source>Connect OK</source>
        <translation>Connect OK</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+165"/>
        <source>Connect ERROR</source>
        <translation>Connect ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+14"/>
        <source>Disconnected from the driver. The next command connects again.</source>
        <translation>Disconnected from the driver. The next command connects again.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read From Lc350</source>
        <translation>Read From Lc420</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+154"/>
        <location line="+33"/>
        <source>Address (hex)</source>
        <translation>Address (hex)</translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+154"/>
        <location line="+39"/>
        <source>Length (dec)</source>
        <translation>Length (dec)</translation>
    </message>
    <message>
        <location line="-185"/>
        <location line="+10"/>
        <location line="+144"/>
        <location line="+8"/>
        <location line="+20"/>
        <location line="+15"/>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-197"/>
        <location line="+154"/>
        <location line="+28"/>
        <location line="+15"/>
        <source>Conversion error</source>
        <translation>Conversion error</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>Test block sent: %1 bytes, 0x00 to 0xFF twice.</source>
        <translation>Test block sent: %1 bytes, 0x00 to 0xFF twice.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No driver answered. Check the USB cable and press &quot;Connect&quot;.</source>
        <translation>No driver answered. Check the USB cable and press &quot;Connect&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 runs its application, which refuses page writes: a page is written only in the bootloader. Press &quot;Run Application&quot; to restart the driver in its bootloader, then write the page again.</source>
        <translation>Driver %1 runs its application, which refuses page writes: a page is written only in the bootloader. Press &quot;Run Application&quot; to restart the driver in its bootloader, then write the page again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The bootloader of driver %1 refused the page.</source>
        <translation>The bootloader of driver %1 refused the page.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver refused the page.</source>
        <translation>The driver refused the page.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Run Application: the driver restarts and does not answer yet. The next command connects to it again.</source>
        <translation>Run Application: the driver restarts and does not answer yet. The next command connects to it again.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run Application: driver %1 runs its application.</source>
        <translation>Run Application: driver %1 runs its application.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Run Application: driver %1 waits in its bootloader.</source>
        <translation>Run Application: driver %1 waits in its bootloader.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Run Application: a driver answers again.</source>
        <translation>Run Application: a driver answers again.</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Open File</source>
        <comment>a binary file to write into the external flash</comment>
        <translation>Choose a File for the External Flash</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Write External Flash</source>
        <translation>Write External Flash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write %1 (%2 bytes) to the start of the external flash of driver %3?

The first %2 bytes the external flash holds now are overwritten.</source>
        <translation>Write %1 (%2 bytes) to the start of the external flash of driver %3?

The first %2 bytes the external flash holds now are overwritten.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+6"/>
        <source>ReadMemoryFromAddress error</source>
        <translation>Reading the controller memory failed.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Write ERROR</source>
        <translation>Write ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-225"/>
        <source>Fill pattern</source>
        <translation>Fill pattern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number (dec)</source>
        <translation>Number (dec)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>page write ERROR</source>
        <translation>page write ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+71"/>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+9"/>
        <source>Status: ERROR</source>
        <translation>Status: ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+10"/>
        <source>StatusSet(%1)</source>
        <translation>Status bit 0 is now 1: set with the mask %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>StatusSet() ERROR</source>
        <translation>Setting the status bit failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+10"/>
        <source>StatusClr(%1)</source>
        <translation>Status bit 0 is now 0: cleared with the mask %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+4"/>
        <source>StatusClr() ERROR</source>
        <translation>Clearing the status bit failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+9"/>
        <source>Read External Flash From Lc350</source>
        <translation>Read External Flash From Lc420</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-10"/>
        <source>ReadExternalFlashFromAddress error</source>
        <translation>Reading the external flash failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+33"/>
        <source>Write To External Flash Lc350</source>
        <translation>Write To External Flash Lc420</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data(hex)</source>
        <translation>Data (hex)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>lenght: %1</source>
        <translation>length: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>address: 0x%1</source>
        <translation>address: 0x%1</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-290"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB Timeout
Check USB Cable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slotUpdateProgramScene</source>
        <translation>Reading from the driver failed.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <location filename="../app/showpage.cpp" line="+2"/>
        <source>WriteExternalFlashToAddress</source>
        <translation>Writing to the driver failed.</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-30"/>
        <source>The programs have changes that are not saved. Discard them?</source>
        <translation>The programs have changes that are not saved. Discard them?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes have changes that are not saved. Discard them?</source>
        <translation>The scenes have changes that are not saved. Discard them?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The window&apos;s programs and scenes are unchanged.</source>
        <translation>The window&apos;s programs and scenes are unchanged.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was sent to the driver.</source>
        <translation>Nothing was sent to the driver.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The editor still holds your programs.</source>
        <translation>The editor still holds your programs.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The editor still holds your scenes.</source>
        <translation>The editor still holds your scenes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Then press Get to read again.</source>
        <translation>Then press Get to read again.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press Get to read again.</source>
        <translation>Press Get to read again.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Then press Set to send again.</source>
        <translation>Then press Set to send again.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press Set to send again.</source>
        <translation>Press Set to send again.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Then compare again.</source>
        <translation>Then compare again.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compare again when the driver answers.</source>
        <translation>Compare again when the driver answers.</translation>
    </message>
    <message>
        <location line="+59"/>
        <location line="+31"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Driver %1 holds exactly the programs this window shows.</source>
        <translation>Driver %1 holds exactly the programs this window shows.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1 holds exactly the scenes this window shows.</source>
        <translation>Driver %1 holds exactly the scenes this window shows.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Driver %1 holds other programs than this window. Steps that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</source>
        <translation>Driver %1 holds other programs than this window. Steps that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1 holds other scenes than this window. Scenes that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</source>
        <translation>Driver %1 holds other scenes than this window. Scenes that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare With Driver</source>
        <translation>Compare With Driver</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Open Programs File</source>
        <translation>Choose a Programs File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Scenes File</source>
        <translation>Choose a Scenes File</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+93"/>
        <source>Programs Files (*.pgm)</source>
        <translation>Programs files (*.pgm)</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+93"/>
        <source>Scens Files (*.scn)</source>
        <translation>Scenes files (*.scn)</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>Open it on the Scenes tab.</source>
        <translation>Open it on the Scenes tab.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open it on the Programs tab.</source>
        <translation>Open it on the Programs tab.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Loaded %1.</source>
        <translation>Loaded %1.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Saved %1, which had been deleted since it was opened.</source>
        <translation>Saved %1, which had been deleted since it was opened.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since you opened it. Overwrite it with the programs shown here, or save them under another name?</source>
        <translation>%1 was changed by another program since you opened it. Overwrite it with the programs shown here, or save them under another name?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was changed by another program since you opened it. Overwrite it with the scenes shown here, or save them under another name?</source>
        <translation>%1 was changed by another program since you opened it. Overwrite it with the scenes shown here, or save them under another name?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File changed</source>
        <translation>File changed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Overwrite</source>
        <translation>&amp;Overwrite</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Saved %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Save Programs File</source>
        <translation>Save Programs To File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Scenes File</source>
        <translation>Save Scenes To File</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+16"/>
        <source>Bin (*.bin)</source>
        <translation>Binary files (*.bin)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-33"/>
        <source>Write OK</source>
        <translation>Write OK</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+20"/>
        <source>Length error</source>
        <translation>Length error</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+7"/>
        <source>Length should be aligned to 4</source>
        <translation>Length should be aligned to 4</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The file is larger than the external flash (%1 bytes)</source>
        <translation>The file is larger than the external flash (%1 bytes)</translation>
    </message>
    <message numerus="yes">
        <location line="-22"/>
        <source>Wrote %n byte(s) to the external flash at 0x%1; the read-back matched.</source>
        <translation>
            <numerusform>Wrote %n byte to the external flash at 0x%1; the read-back matched.</numerusform>
            <numerusform>Wrote %n bytes to the external flash at 0x%1; the read-back matched.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrote the page at 0x%1 with every byte 0x%2.</source>
        <translation>Wrote the page at 0x%1 with every byte 0x%2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>ReadExternalFlashFromAddress</source>
        <translation>Reading back the external flash failed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>memcmp</source>
        <translation>The external flash does not hold what was written.</translation>
    </message>
    <message>
        <location filename="../app/editmenu.cpp" line="+26"/>
        <source>Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Colour…</source>
        <translation>&amp;Set Colour…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill Steps…</source>
        <translation>&amp;Fill Steps…</translation>
    </message>
    <message>
        <location filename="../app/showpageedits.cpp" line="+67"/>
        <source>Steps copied: %1.</source>
        <translation>Steps copied: %1.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes copied: %1.</source>
        <translation>Scenes copied: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing pasted: the clipboard holds no steps or scenes.</source>
        <translation>Nothing pasted: the clipboard holds no steps or scenes.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records dropped by the paste, since they did not fit after the last step: %1 of %2.</source>
        <translation>Records dropped by the paste, since they did not fit after the last step: %1 of %2.</translation>
    </message>
    <message>
        <location filename="../app/helpmenu.cpp" line="+57"/>
        <source>&amp;User Guide</source>
        <translation>&amp;User Guide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Lc420 User Guide</source>
        <translation>Lc420 User Guide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard shortcuts</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Anywhere in the window</source>
        <translation>Anywhere in the window</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In the overview grid</source>
        <translation>In the overview grid</translation>
    </message>
</context>
<context>
    <name>Lc460_bootloaderClass</name>
    <message>
        <location filename="../app/lc460_bootloader.ui" line="+37"/>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Flash %p%</source>
        <translation>Flash %p %</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash write %p%</source>
        <translation>External flash write %p %</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash verify %p%</source>
        <translation>External flash verify %p %</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Firmware Change</source>
        <translation>Firmware &amp;Change</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Connect</source>
        <translation>C&amp;onnect</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WritePage</source>
        <translation>Write &amp;Page</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExtFlashBin</source>
        <translation>Write External Flash From F&amp;ile</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RunApplication</source>
        <translation>Run &amp;Application</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExternalFlash</source>
        <translation>Write E&amp;xternal Flash</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ReadExternalFlash</source>
        <translation>Read Exter&amp;nal Flash</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateUpg</source>
        <translation>Create Up&amp;grade File</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateBootBin</source>
        <translation>Create &amp;Bootloader Images</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusClr</source>
        <translation>Clear S&amp;tatus</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusGet</source>
        <translation>Get Stat&amp;us</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusSet</source>
        <translation>&amp;Set Status</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read the driver&apos;s firmware back and check it against an upgrade file, or against its own check words</source>
        <translation>Read the driver&apos;s firmware back and check it against an upgrade file, or against its own check words</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify Firmware…</source>
        <translation>&amp;Verify Firmware…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Overview of the program&apos;s steps</source>
        <translation>Overview of the program&apos;s steps</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+262"/>
        <source>Click a step, or move with the arrow keys, to show it below. Right-click for the Edit menu.</source>
        <translation>Click a step, or move with the arrow keys, to show it below. Right-click for the &quot;Edit&quot; menu.</translation>
    </message>
    <message>
        <location line="-199"/>
        <source>Program Number</source>
        <translation>Program Number</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Scene Number</source>
        <comment>the step of a program</comment>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Overview of the scenes</source>
        <translation>Overview of the scenes</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Scene Number</source>
        <translation>Scene Number</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Compare With Driver</source>
        <translation>Compare With &amp;Driver</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duplicate</source>
        <translation>Duplica&amp;te</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Insert Blank</source>
        <translation>&amp;Insert Blank</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rotate Lamps Left</source>
        <translation>Rotate Lamps &amp;Left</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rotate Lamps Right</source>
        <translation>Rotate Lamps Ri&amp;ght</translation>
    </message>
    <message>
        <location line="-451"/>
        <location line="+242"/>
        <source>XFade</source>
        <translation>XFade</translation>
    </message>
    <message>
        <location line="-229"/>
        <location line="+242"/>
        <source>%</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="-232"/>
        <location line="+242"/>
        <source>Scene Time</source>
        <translation>Scene Time</translation>
    </message>
    <message>
        <location line="-229"/>
        <location line="+242"/>
        <source>ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="-232"/>
        <source>End Marker</source>
        <translation>End Marker</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Get Programs Form Lc460</source>
        <translation>&amp;Get Programs From Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Programs In Lc460</source>
        <translation>&amp;Set Programs In Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Programs From FIle</source>
        <translation>L&amp;oad Programs From File</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Programs To File</source>
        <translation>Sa&amp;ve Programs To File</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scenes</source>
        <translation>Scenes</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Get Scenes Form Lc460</source>
        <translation>&amp;Get Scenes From Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Scenes In Lc460</source>
        <translation>&amp;Set Scenes In Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Scenes From File</source>
        <translation>L&amp;oad Scenes From File</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Scenes To File</source>
        <translation>Sa&amp;ve Scenes To File</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Polish</source>
        <translation>&amp;Polski</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lc420 - info</source>
        <translation>About &amp;Lc420</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../app/main.cpp" line="+33"/>
        <source>Show the service console&apos;s buttons on the Settings tab (for technicians).</source>
        <translation>Show the service console&apos;s buttons on the Settings tab (for technicians).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use the driver with this serial number (in either mode) when several are attached; without it, the first driver found.</source>
        <translation>Use the driver with this serial number (in either mode) when several are attached; without it, the first driver found.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SERIAL</source>
        <translation>SERIAL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write the debug trace to standard error.</source>
        <translation>Write the debug trace to standard error.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Lc420 driver&apos;s configuration tool.</source>
        <translation>The Lc420 driver&apos;s configuration tool.</translation>
    </message>
</context>
<context>
    <name>OverviewView</name>
    <message>
        <location filename="../widgets/overviewview.cpp" line="+114"/>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XFade</source>
        <translation>XFade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scene Time (ms)</source>
        <translation>Scene Time (ms)</translation>
    </message>
</context>
<context>
    <name>PreviewStrip</name>
    <message>
        <location filename="../widgets/previewstrip.cpp" line="+68"/>
        <source>The program as it plays: each step&apos;s colours held for its Scene Time. Cross-fades (XFade) are not shown, since how the driver times them is not known here.</source>
        <translation>The program as it plays: each step&apos;s colours held for its Scene Time. Cross-fades (XFade) are not shown, since how the driver times them is not known here.</translation>
    </message>
</context>
<context>
    <name>ProgramPlayer</name>
    <message>
        <location filename="../app/programplayer.cpp" line="+19"/>
        <source>&amp;Play Program</source>
        <translation>&amp;Play Program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pla&amp;yback</source>
        <translation>Pla&amp;yback</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play the shown program in a preview above the overview (F5)</source>
        <translation>Play the shown program in a preview above the overview (F5)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the preview (Esc)</source>
        <translation>Stop the preview (Esc)</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Preview: program %1, step %2 of %3</source>
        <translation>Preview: program %1, step %2 of %3</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../app/main.cpp" line="-32"/>
        <source>Usage: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays help on commandline options.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays help including Qt specific options.</source>
        <translation>Displays help including Qt specific options.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays version information.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <location filename="../app/information.cpp" line="+12"/>
        <source>Lc420 ver. </source>
        <translation>Lc420 ver. </translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../app/startup.cpp" line="+33"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <location line="-4"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close without Saving</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <location filename="../core/safefile.cpp" line="+20"/>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../app/startup.cpp" line="-5"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecordEditCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+41"/>
        <source>XFade</source>
        <translation>XFade Change</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scene Time</source>
        <translation>Scene Time Change</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End Marker</source>
        <translation>End Marker Change</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lamp %1 Colour</source>
        <translation>Lamp %1 Colour Change</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../core/safefile.cpp" line="+5"/>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it is a folder, not a file to save to</source>
        <translation>it is a folder, not a file to save to</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a file to save to</source>
        <translation>it is a device, not a file to save to</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a pipe or a socket, not a file to save to</source>
        <translation>it is a pipe or a socket, not a file to save to</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Could not write %1</source>
        <translation>Could not write %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>Show</name>
    <message>
        <location filename="../show/showcompare.cpp" line="+39"/>
        <source>scene %1</source>
        <translation>scene %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program %1, step %2</source>
        <translation>program %1, step %2</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>lamp %1 %2</source>
        <translation>lamp %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lamps %1 %2</source>
        <translation>lamps %1 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>XFade %1 → %2</source>
        <translation>XFade %1 → %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scene Time %1 → %2</source>
        <translation>Scene Time %1 → %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Marker %1 → %2</source>
        <translation>End Marker %1 → %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reserved bytes</source>
        <translation>reserved bytes</translation>
    </message>
    <message>
        <location filename="../show/showfile.cpp" line="+168"/>
        <source>Wrong file header</source>
        <translation>Wrong file header</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong version</source>
        <translation>Wrong version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong file length</source>
        <translation>Wrong file length</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 cannot be read: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a scenes file, not a programs file.</source>
        <translation>%1 is a scenes file, not a programs file.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a programs file, not a scenes file.</source>
        <translation>%1 is a programs file, not a scenes file.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is empty.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a programs file.</source>
        <translation>%1 is not a programs file.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is not a scenes file.</source>
        <translation>%1 is not a scenes file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is cut short after its header.</source>
        <translation>%1 is cut short after its header.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has the version &quot;%2&quot;; only &quot;%3&quot; can be read.</source>
        <translation>%1 has the version &quot;%2&quot;; only &quot;%3&quot; can be read.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds %2 bytes of table where %3 are needed.</source>
        <translation>%1 holds %2 bytes of table where %3 are needed.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is cut short: %2 of %3 bytes.</source>
        <translation>%1 is cut short: %2 of %3 bytes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: its table claims more bytes than the file holds.</source>
        <translation>%1 is damaged: its table claims more bytes than the file holds.</translation>
    </message>
    <message>
        <location filename="../show/showtransfer.cpp" line="+165"/>
        <source>The driver was disconnected during the transfer, so no programs were taken.</source>
        <translation>The driver was disconnected during the transfer, so no programs were taken.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver was disconnected during the transfer, so no scenes were taken.</source>
        <translation>The driver was disconnected during the transfer, so no scenes were taken.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver was disconnected during the transfer; it may hold the programs only in part.</source>
        <translation>The driver was disconnected during the transfer; it may hold the programs only in part.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver was disconnected during the transfer; it may hold the scenes only in part.</source>
        <translation>The driver was disconnected during the transfer; it may hold the scenes only in part.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The driver did not answer, so nothing was transferred.</source>
        <translation>The driver did not answer, so nothing was transferred.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were written, but reading them back from the driver failed, so it may hold them only in part.</source>
        <translation>The programs were written, but reading them back from the driver failed, so it may hold them only in part.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scenes were written, but reading them back from the driver failed, so it may hold them only in part.</source>
        <translation>The scenes were written, but reading them back from the driver failed, so it may hold them only in part.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the programs from the driver failed, so none were taken.</source>
        <translation>Reading the programs from the driver failed, so none were taken.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the scenes from the driver failed, so none were taken.</source>
        <translation>Reading the scenes from the driver failed, so none were taken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing the programs to the driver failed; it may hold them only in part.</source>
        <translation>Writing the programs to the driver failed; it may hold them only in part.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing the scenes to the driver failed; it may hold them only in part.</source>
        <translation>Writing the scenes to the driver failed; it may hold them only in part.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver holds other programs than were written to it, even after a second write (first at %1).</source>
        <translation>The driver holds other programs than were written to it, even after a second write (first at %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver holds other scenes than were written to it, even after a second write (first at %1).</source>
        <translation>The driver holds other scenes than were written to it, even after a second write (first at %1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The driver answered the same read differently each time, so nothing was taken.</source>
        <translation>The driver answered the same read differently each time, so nothing was taken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were read.</source>
        <translation>The programs were read.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes were read.</source>
        <translation>The scenes were read.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The programs were written.</source>
        <translation>The programs were written.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes were written.</source>
        <translation>The scenes were written.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Its status bit 0 may have been left set.</source>
        <translation>Its status bit 0 may have been left set.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Then the driver was disconnected before it could be unlocked: its status bit 0 may still be set.</source>
        <translation>Then the driver was disconnected before it could be unlocked: its status bit 0 may still be set.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver could not be unlocked afterwards: its status bit 0 is still set.</source>
        <translation>The driver could not be unlocked afterwards: its status bit 0 is still set.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its status bit 0 may still be set.</source>
        <translation>Its status bit 0 may still be set.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The driver could not be unlocked afterwards: its status bit 0 may still be set.</source>
        <translation>The driver could not be unlocked afterwards: its status bit 0 may still be set.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its status bit 0 is still set.</source>
        <translation>Its status bit 0 is still set.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its status bit 0 was cleared again.</source>
        <translation>Its status bit 0 was cleared again.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read 8 programs from the driver.</source>
        <translation>Read 8 programs from the driver.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read 8 scenes from the driver.</source>
        <translation>Read 8 scenes from the driver.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote 8 programs to the driver.</source>
        <translation>Wrote 8 programs to the driver.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote 8 scenes to the driver.</source>
        <translation>Wrote 8 scenes to the driver.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read 8 programs from driver %1.</source>
        <translation>Read 8 programs from driver %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read 8 scenes from driver %1.</source>
        <translation>Read 8 scenes from driver %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrote 8 programs to driver %1.</source>
        <translation>Wrote 8 programs to driver %1.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wrote 8 scenes to driver %1.</source>
        <translation>Wrote 8 scenes to driver %1.</translation>
    </message>
    <message>
        <location filename="../show/patterns.cpp" line="+199"/>
        <source>The table has the wrong size.</source>
        <translation>The table has the wrong size.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no program %1; the programs are 1 to %2.</source>
        <translation>There is no program %1; the programs are 1 to %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose steps from 1 to %1, the first not after the last.</source>
        <translation>Choose steps from 1 to %1, the first not after the last.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose scenes from 1 to %1, the first not after the last.</source>
        <translation>Choose scenes from 1 to %1, the first not after the last.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose at least one lamp.</source>
        <translation>Choose at least one lamp.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A chase can light 1 to %1 lamps at once, no more than are chosen.</source>
        <translation>A chase can light 1 to %1 lamps at once, no more than are chosen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The pattern can light 1 to %1 lamps at once, no more than are chosen.</source>
        <translation>The pattern can light 1 to %1 lamps at once, no more than are chosen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The seed must be 0 to %1.</source>
        <translation>The seed must be 0 to %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Scene Time must be 0 to %1 ms.</source>
        <translation>The Scene Time must be 0 to %1 ms.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The XFade must be 0 to %1.</source>
        <translation>The XFade must be 0 to %1.</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Chase</source>
        <translation>Chase</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rainbow</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alternate</source>
        <translation>Alternate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bounce</source>
        <translation>Bounce</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stack</source>
        <translation>Stack</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wipe</source>
        <translation>Wipe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sparkle</source>
        <translation>Sparkle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
</context>
<context>
    <name>Show::OverviewModel</name>
    <message>
        <location filename="../show/overviewmodel.cpp" line="+101"/>
        <source>Step %1, lamp %2: %3</source>
        <translation>Step %1, lamp %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene %1, lamp %2: %3</source>
        <translation>Scene %1, lamp %2: %3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Step %1: XFade %2, Scene Time %3 ms</source>
        <translation>Step %1: XFade %2, Scene Time %3 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene %1: XFade %2, Scene Time %3 ms</source>
        <translation>Scene %1: XFade %2, Scene Time %3 ms</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(the program ends here)</source>
        <translation>(the program ends here)</translation>
    </message>
</context>
<context>
    <name>SuperRGB</name>
    <message>
        <location filename="../widgets/superrgb.cpp" line="+66"/>
        <source>L: %1</source>
        <translation>L: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>DMX addres</source>
        <comment>no comment</comment>
        <translation>DMX address</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold Shift and move the pointer over sliders to mark them; hold Ctrl+Shift to unmark them. Ctrl+click marks or unmarks one slider. Moving a marked slider moves every marked slider on this tab. Esc clears all marks.</source>
        <translation>Hold Shift and move the pointer over sliders to mark them; hold Ctrl+Shift to unmark them. Ctrl+click marks or unmarks one slider. Moving a marked slider moves every marked slider on this tab. Esc clears all marks.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose Colour…</source>
        <translation>Choose Colour…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double-click the colour, or right-click it, to choose one.</source>
        <translation>Double-click the colour, or right-click it, to choose one.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Lamp %1</source>
        <translation>Lamp %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 colour</source>
        <translation>Lamp %1 colour</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lamp %1 red</source>
        <translation>Lamp %1 red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 green</source>
        <translation>Lamp %1 green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 blue</source>
        <translation>Lamp %1 blue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: one step up</source>
        <translation>%1: one step up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: one step down</source>
        <translation>%1: one step down</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>%1 (red %2, green %3, blue %4)</source>
        <translation>%1 (red %2, green %3, blue %4)</translation>
    </message>
</context>
<context>
    <name>TableCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+59"/>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert Blank</source>
        <translation>Insert Blank</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Lamps Left</source>
        <translation>Rotate Lamps Left</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Lamps Right</source>
        <translation>Rotate Lamps Right</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load</source>
        <translation>Load From File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get</source>
        <translation>Get From Lc420</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Colour</source>
        <translation>Set Colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill Steps</source>
        <translation>Fill Steps</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <location filename="../firmware/upgradefile.cpp" line="+125"/>
        <source>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</source>
        <translation>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Records there disagree on %1 B, the first at %2 (line %3).</source>
        <translation>Records there disagree on %1 B, the first at %2 (line %3).</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <location filename="../firmware/upgradeprocedure.cpp" line="+63"/>
        <source>Wrong file header</source>
        <translation>Wrong file header</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrong file version</source>
        <translation>Wrong file version</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Damaged upgrade file</source>
        <translation>Damaged upgrade file</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+99"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB Timeout
Check USB Cable</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Bootloader Version Read Error</source>
        <translation>Bootloader Version Read Error</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Bootloader mode</source>
        <translation>Bootloader mode</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+58"/>
        <source>Serial:</source>
        <translation>Serial: </translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Writting firmware ... </source>
        <translation>Writing firmware ... </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Apllication mode</source>
        <translation>Application mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset device</source>
        <translation>Reset device</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>USB timout
Check USB cable</source>
        <translation>USB timeout
Check USB cable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No driver answered after the reset.</source>
        <translation>No driver answered after the reset.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another driver answered: %1</source>
        <translation>Another driver answered: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+4"/>
        <location line="+19"/>
        <location line="+59"/>
        <location line="+4"/>
        <source>ERROR</source>
        <translation>A firmware page did not write or did not read back the same.</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Writting External Flash ... </source>
        <translation>Writing External Flash ... </translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Error</source>
        <translation>The external flash did not write or did not read back the same.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Verify External Flash ...  </source>
        <translation>Verify External Flash ...  </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>read_buffer</source>
        <translation>Read back:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ext_datas.data()</source>
        <translation>Expected:</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>the driver stopped answering during the transfer</source>
        <translation>the driver stopped answering during the transfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the driver was disconnected during the transfer</source>
        <translation>the driver was disconnected during the transfer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>what was written did not read back the same</source>
        <translation>what was written did not read back the same</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the driver did not answer in time after its reset</source>
        <translation>the driver did not answer in time after its reset</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the driver refused a transfer</source>
        <translation>the driver refused a transfer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the driver</source>
        <translation>the driver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>driver %1</source>
        <translation>driver %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Upgrade finished: driver %1 runs the new firmware.</source>
        <translation>Upgrade finished: driver %1 runs the new firmware.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new firmware was written, verified and started; whether the driver came back running it was not checked.</source>
        <translation>The new firmware was written, verified and started; whether the driver came back running it was not checked.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new firmware was written and verified, but %1 came back in its bootloader and waits there (it answers in bootloader mode). Its programs and scenes are kept. Choose the same file again to finish the upgrade.</source>
        <translation>The new firmware was written and verified, but %1 came back in its bootloader and waits there (it answers in bootloader mode). Its programs and scenes are kept. Choose the same file again to finish the upgrade.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The new firmware was written and verified, but no driver answered after the reset. Plug %1 in again, then choose the same file again.</source>
        <translation>The new firmware was written and verified, but no driver answered after the reset. Plug %1 in again, then choose the same file again.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The upgrade did not start: no driver answered. Nothing was changed; check the USB cable and try again.</source>
        <translation>The upgrade did not start: no driver answered. Nothing was changed; check the USB cable and try again.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not start: %1 came back in its bootloader too late and waits there (it answers in bootloader mode). Its firmware, programs and scenes are unchanged. Choose the same file again to upgrade it.</source>
        <translation>The upgrade did not start: %1 came back in its bootloader too late and waits there (it answers in bootloader mode). Its firmware, programs and scenes are unchanged. Choose the same file again to upgrade it.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upgrade did not start: %1 did not start its bootloader and runs its old firmware. Nothing on it was changed; try again.</source>
        <translation>The upgrade did not start: %1 did not start its bootloader and runs its old firmware. Nothing on it was changed; try again.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not start: %1 was told to start its bootloader, and no driver answered after the reset. Its firmware, programs and scenes are unchanged. Plug it in again, then choose the same file again.</source>
        <translation>The upgrade did not start: %1 was told to start its bootloader, and no driver answered after the reset. Its firmware, programs and scenes are unchanged. Plug it in again, then choose the same file again.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not finish: %1. The driver waits in its bootloader (it answers in bootloader mode); its programs and scenes are kept. Choose the same file again to finish the upgrade.</source>
        <translation>The upgrade did not finish: %1. The driver waits in its bootloader (it answers in bootloader mode); its programs and scenes are kept. Choose the same file again to finish the upgrade.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The upgrade did not finish: %1. The driver runs firmware again, which may not be the new one. Choose the same file again.</source>
        <translation>The upgrade did not finish: %1. The driver runs firmware again, which may not be the new one. Choose the same file again.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not finish: %1, and no driver answered afterwards. Plug %2 in again, then choose the same file again.</source>
        <translation>The upgrade did not finish: %1, and no driver answered afterwards. Plug %2 in again, then choose the same file again.</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</source>
        <translation>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</source>
        <translation>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</translation>
    </message>
</context>
</TS>
