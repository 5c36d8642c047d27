<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Cli</name>
    <message>
        <location filename="../cli/alldrivers.cpp" line="+178"/>
        <source>this user may not open the driver (see lc420-cli list)</source>
        <translation>ten użytkownik nie może otworzyć sterownika (zob. lc420-cli list)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the driver cannot be opened</source>
        <translation>nie można otworzyć sterownika</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the driver reports no serial number</source>
        <translation>sterownik nie podaje numeru seryjnego</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n drivers report this serial number</source>
        <translation>
            <numerusform>%n sterownik podaje ten numer seryjny</numerusform>
            <numerusform>%n sterowniki podają ten numer seryjny</numerusform>
            <numerusform>%n sterowników podaje ten numer seryjny</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <location filename="../cli/cli.cpp" line="+200"/>
        <source>Serial</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location line="-161"/>
        <location line="+155"/>
        <source>ok</source>
        <comment>a driver&apos;s result</comment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-154"/>
        <location line="+154"/>
        <source>failed</source>
        <comment>a driver&apos;s result</comment>
        <translation>błąd</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>To run it again on the driver that failed:</source>
        <comment>followed by one command a line</comment>
        <translation>
            <numerusform>Aby uruchomić je ponownie na sterowniku, na którym się nie powiodło:</numerusform>
            <numerusform>Aby uruchomić je ponownie na sterownikach, na których się nie powiodło:</numerusform>
            <numerusform>Aby uruchomić je ponownie na sterownikach, na których się nie powiodło:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+96"/>
        <location filename="../cli/upgradecommand.cpp" line="+59"/>
        <source>External flash write</source>
        <translation>Zapis pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../cli/upgradecommand.cpp" line="+2"/>
        <source>External flash verify</source>
        <translation>Weryfikacja pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../cli/upgradecommand.cpp" line="+12"/>
        <source>Flash</source>
        <translation>Pamięć flash</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>damaged: it is no usable upgrade file.</source>
        <translation>uszkodzony: to nie jest użyteczny plik aktualizacji.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <location line="+43"/>
        <location filename="../cli/showcommands.cpp" line="+75"/>
        <source>Writing programs</source>
        <translation>Zapis programów</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Writing scenes</source>
        <translation>Zapis scen</translation>
    </message>
    <message>
        <location filename="../cli/cli.cpp" line="-25"/>
        <source>bit 0 clear: no Get or Set left the driver locked</source>
        <translation>bit 0 wyzerowany: żadne pobieranie ani wysyłanie nie zostawiło sterownika zablokowanego</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Bus</source>
        <translation>Magistrala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status bit 0</source>
        <translation>Bit 0 statusu</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>Choose one with --serial SERIAL; lc420-cli list shows them.</source>
        <translation>Wybierz jeden opcją --serial NR_SERYJNY; polecenie lc420-cli list je pokazuje.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Attached drivers:</source>
        <translation>Podłączone sterowniki:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>bit 0 set: an interrupted Get or Set left the driver locked.</source>
        <translation>bit 0 ustawiony: przerwane pobieranie lub wysyłanie pozostawiło sterownik zablokowany.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>no access for this user</source>
        <translation>brak dostępu dla tego użytkownika</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not an Lc420 (wrong identification)</source>
        <translation>to nie Lc420 (zła identyfikacja)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be opened</source>
        <translation>nie można otworzyć</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>set: left locked</source>
        <translation>ustawiony: zablokowany</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clear</source>
        <translation>wyzerowany</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Driver %1 was left locked by an interrupted Get or Set (status bit 0 set); release it with: lc420-cli --serial %1 status clear</source>
        <translation>Sterownik %1 został zablokowany przez przerwane pobieranie lub wysyłanie (bit 0 statusu ustawiony); zwolnij go poleceniem: lc420-cli --serial %1 status clear</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+48"/>
        <location filename="../cli/main.cpp" line="+101"/>
        <source>usage:</source>
        <translation>użycie:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../cli/main.cpp" line="+22"/>
        <location filename="../cli/showcommands.cpp" line="+251"/>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message numerus="yes">
        <location line="+74"/>
        <source>%1 byte(s)</source>
        <translation>
            <numerusform>%1 bajt</numerusform>
            <numerusform>%1 bajty</numerusform>
            <numerusform>%1 bajtów</numerusform>
        </translation>
    </message>
    <message>
        <location line="+90"/>
        <source>chase</source>
        <comment>command-line word</comment>
        <translation>bieg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow</source>
        <comment>command-line word</comment>
        <translation>tęcza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fade</source>
        <comment>command-line word</comment>
        <translation>przejście</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alternate</source>
        <comment>command-line word</comment>
        <translation>naprzemienny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>solid</source>
        <comment>command-line word</comment>
        <translation>jednolity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bounce</source>
        <comment>command-line word</comment>
        <translation>odbicie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>stack</source>
        <comment>command-line word</comment>
        <translation>narastanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wipe</source>
        <comment>command-line word</comment>
        <translation>przesłanianie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sparkle</source>
        <comment>command-line word</comment>
        <translation>iskrzenie</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>For a programs file: %1</source>
        <translation>Dla pliku programów: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For a scenes file: %1</source>
        <translation>Dla pliku scen: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is an Intel HEX file; an upgrade file is built from it with: %2</source>
        <translation>%1 to plik Intel HEX; plik aktualizacji tworzy się z niego poleceniem: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Release it with: %1</source>
        <translation>Zwolnij go poleceniem: %1</translation>
    </message>
    <message>
        <location filename="../cli/devicecommands.cpp" line="+81"/>
        <source>list takes no arguments</source>
        <translation>list nie przyjmuje argumentów</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>info takes no arguments</source>
        <translation>info nie przyjmuje argumentów</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+78"/>
        <source>Serial:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <location line="-78"/>
        <location line="+79"/>
        <source>Mode:</source>
        <translation>Tryb:</translation>
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
        <translation>nie udało się odczytać opisów wersji</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+9"/>
        <source>Firmware:</source>
        <translation>Oprogramowanie:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>application check word %1</source>
        <translation>słowo kontrolne aplikacji %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>external flash check word %1</source>
        <translation>słowo kontrolne pamięci zewnętrznej %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the check words could not be read</source>
        <translation>nie udało się odczytać słów kontrolnych</translation>
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
        <translation>nie udało się odczytać</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>expected get, set or clear</source>
        <translation>oczekiwano get, set lub clear</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Status bits set: %1</source>
        <translation>Ustawiono bity statusu: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status bits cleared: %1</source>
        <translation>Wyzerowano bity statusu: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>every attached driver: bus, device, serial and mode</source>
        <translation>każdy podłączony sterownik: magistrala, urządzenie, numer seryjny i tryb</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>serial, mode, bootloader version texts, firmware check words and status word</source>
        <translation>numer, tryb, opisy wersji bootloadera, słowa kontrolne oprogramowania i słowo statusu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show the status word, or set or clear its bit 0</source>
        <translation>pokaż słowo statusu albo ustaw lub wyzeruj jego bit 0</translation>
    </message>
    <message>
        <location filename="../cli/firmwarecommands.cpp" line="+32"/>
        <source>address %1, </source>
        <translation>adres %1, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 (%3HexToBin error %4)</source>
        <translation>%1: %2 (%3błąd HexToBin %4)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a HEX file and an output file</source>
        <translation>oczekiwano pliku HEX i pliku wyjściowego</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+12"/>
        <source>No upgrade file written.</source>
        <translation>Nie zapisano pliku aktualizacji.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>%1: no application data in 0x08004000..0x0801FFFB; an upgrade file of zeros would leave the driver dark.</source>
        <translation>%1: brak danych aplikacji w 0x08004000..0x0801FFFB; plik aktualizacji z samych zer pozostawiłby sterownik ciemny.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../cli/showcommands.cpp" line="-213"/>
        <source>Wrote %1 (%2)</source>
        <translation>Zapisano %1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application check word:</source>
        <translation>Słowo kontrolne aplikacji:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>External flash check word:</source>
        <translation>Słowo kontrolne pamięci zewnętrznej:</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../cli/servicecommands.cpp" line="+39"/>
        <location filename="../cli/showcommands.cpp" line="+341"/>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../cli/playcommand.cpp" line="+103"/>
        <location filename="../cli/showcommands.cpp" line="-63"/>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>expected one HEX file</source>
        <translation>oczekiwano jednego pliku HEX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the option --%1 is missing</source>
        <translation>brak opcji --%1</translation>
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
        <translation>%1, za krótki (potrzeba %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+121"/>
        <location filename="../cli/showcommands.cpp" line="+499"/>
        <source>The file is consistent.</source>
        <translation>Plik jest spójny.</translation>
    </message>
    <message>
        <location line="-121"/>
        <location line="+100"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>The file is damaged.</source>
        <translation>Plik jest uszkodzony.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>%1..%2 (%3)</source>
        <translation>%1..%2 (%3)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Application:</source>
        <translation>Aplikacja:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: the file changed while it was read</source>
        <translation>%1: plik zmienił się podczas odczytu</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Records:</source>
        <translation>Rekordy:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outside:</source>
        <translation>Poza:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conflicts:</source>
        <translation>Sprzeczności:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check words:</source>
        <translation>Słowa kontrolne:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no data</source>
        <translation>brak danych</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n record(s), %1 with data</source>
        <translation>
            <numerusform>%n rekord, %1 z danymi</numerusform>
            <numerusform>%n rekordy, %1 z danymi</numerusform>
            <numerusform>%n rekordów, %1 z danymi</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>left out of an upgrade file</source>
        <translation>pomijane w pliku aktualizacji</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 outside the areas differ between records, the first at %2 (line %3)</source>
        <translation>%1 poza obszarami różni się między rekordami, pierwszy pod adresem %2 (wiersz %3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>application %1, external flash %2, as build-upg writes them</source>
        <translation>aplikacja %1, pamięć zewnętrzna %2, tak jak zapisze je build-upg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no application data: build-upg writes no upgrade file</source>
        <translation>brak danych aplikacji: build-upg nie zapisze pliku aktualizacji</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot inspect &quot;%1&quot;: not an upgrade (.upg), Intel HEX (.hex), programs (.pgm) or scenes (.scn) file</source>
        <translation>nie można sprawdzić „%1”: to nie jest plik aktualizacji (.upg), Intel HEX (.hex), programów (.pgm) ani scen (.scn)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>build-upg IN.hex OUT.upg</source>
        <translation>build-upg WEJŚCIE.hex WYJŚCIE.upg</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--date YYMMDD</source>
        <translation>--date RRMMDD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the production date: year 00-99, month 01-12, day 01-31</source>
        <translation>data produkcji: rok 00-99, miesiąc 01-12, dzień 01-31</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--number N</source>
        <translation>--number N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the running number of the first image, 0 to 999</source>
        <translation>kolejny numer pierwszego obrazu, od 0 do 999</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--count C</source>
        <translation>--count C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>how many images, numbered on from N</source>
        <translation>ile obrazów, numerowanych kolejno od N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--out DIR</source>
        <translation>--out KATALOG</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the folder to write them to [the current folder]</source>
        <translation>katalog, do którego zostaną zapisane [bieżący katalog]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inspect FILE</source>
        <translation>inspect PLIK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>check an upgrade, Intel HEX, programs or scenes file and summarise it</source>
        <translation>sprawdź plik aktualizacji, Intel HEX, programów lub scen i podsumuj go</translation>
    </message>
    <message>
        <location line="-271"/>
        <source>--date must be YYMMDD (year 00-99, month 01-12, day 01-31)</source>
        <translation>--date musi mieć postać RRMMDD (rok 00-99, miesiąc 01-12, dzień 01-31)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--number must be 0 to 999</source>
        <translation>--number musi wynosić od 0 do 999</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--count must be 1 to %1</source>
        <translation>--count musi wynosić od 1 do %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+115"/>
        <location filename="../cli/showcommands.cpp" line="-24"/>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <location line="-115"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Header:</source>
        <translation>Nagłówek:</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../cli/showcommands.cpp" line="+0"/>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image:</source>
        <translation>Obraz:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>App:</source>
        <translation>Aplikacja:</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+62"/>
        <source>Ext flash:</source>
        <translation>Pamięć zewn.:</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Wrong file header</source>
        <translation>Nieprawidłowy nagłówek pliku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrong file version (%1)</source>
        <translation>Nieprawidłowa wersja pliku (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged: %1</source>
        <translation>uszkodzony: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>check word %1, areas add up to %2: %3</source>
        <translation>słowo kontrolne %1, suma obszarów %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>match</source>
        <translation>zgodne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MISMATCH</source>
        <translation>NIEZGODNE</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>expected one file</source>
        <translation>oczekiwano jednego pliku</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>build an upgrade file from an Intel HEX file</source>
        <translation>zbuduj plik aktualizacji oprogramowania z pliku Intel HEX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>boot-images IN.hex --date YYMMDD --number N --count C [--out DIR]</source>
        <translation>boot-images WEJŚCIE.hex --date RRMMDD --number N --count C [--out KATALOG]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bootloader images with serial numbers</source>
        <translation>obrazy bootloadera z numerami seryjnymi</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="-64"/>
        <source>--log needs a file name</source>
        <translation>--log wymaga nazwy pliku</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--serial needs a serial number</source>
        <translation>--serial wymaga numeru seryjnego</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Pick one with --serial SERIAL:</source>
        <translation>Wybierz jeden opcją --serial NR_SERYJNY:</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>--log records upgrade, verify-firmware, programs set and scenes set, not %1</source>
        <translation>--log zapisuje upgrade, verify-firmware, programs set i scenes set, nie %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 (see lc420-cli --help)</source>
        <translation>%1 (zob. lc420-cli --help)</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>%1 does not run on every driver; --all does not apply</source>
        <translation>%1 nie działa na wszystkich sterownikach naraz; --all nie ma tu zastosowania</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>lc420-cli [--trace] [--serial SERIAL | --all] [--json] [--log FILE.csv] COMMAND [ARGS...]</source>
        <translation>lc420-cli [--trace] [--serial NR_SERYJNY | --all] [--json] [--log PLIK.csv] POLECENIE [ARGUMENTY...]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Lc420 driver&apos;s configuration tool for terminals and scripts.</source>
        <translation>Narzędzie do konfiguracji sterownika Lc420 dla terminala i skryptów.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad or unreadable file.</source>
        <translation>Kody wyjścia: 0 powodzenie, 1 błąd urządzenia, 2 błąd użycia, 3 błędny lub nieczytelny plik.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each command&apos;s own options: lc420-cli COMMAND --help</source>
        <translation>Opcje każdego polecenia: lc420-cli POLECENIE --help</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--serial SERIAL</source>
        <translation>--serial NR_SERYJNY</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>use the driver with this serial number (with or without its bootloader &quot;b&quot;); needed when several drivers are attached</source>
        <translation>użyj sterownika o tym numerze seryjnym (z końcowym „b” bootloadera lub bez niego); potrzebne, gdy podłączono kilka sterowników</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>one JSON document on standard output and nothing else (list, info, status, inspect, show-file, programs verify, scenes verify, verify-firmware; with --all the summary as an array); messages and progress go to standard error</source>
        <translation>jeden dokument JSON na standardowym wyjściu i nic poza nim (list, info, status, inspect, show-file, programs verify, scenes verify, verify-firmware; z --all podsumowanie jako tablica); komunikaty i postęp trafiają na standardowe wyjście błędów</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>upgrade, verify-firmware, programs set and scenes set on every attached driver at once, one line of progress each; a summary of serial, result and seconds at the end; exit 0 only when every driver succeeded</source>
        <translation>upgrade, verify-firmware, programs set i scenes set na wszystkich podłączonych sterownikach naraz, po jednym wierszu postępu na każdy; na końcu podsumowanie: numer seryjny, wynik i sekundy; kod wyjścia 0 tylko wtedy, gdy powiodło się na każdym sterowniku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--log FILE.csv</source>
        <translation>--log PLIK.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>append one line per driver that upgrade, verify-firmware, programs set or scenes set ran on, whether it succeeded or failed: UTC time, serial, command, file, the check words or SHA-256 of the file as sent, result; written as each driver ends</source>
        <translation>dopisz po jednym wierszu na każdy sterownik, na którym działało upgrade, verify-firmware, programs set lub scenes set, z powodzeniem lub bez: czas UTC, numer seryjny, polecenie, plik, słowa kontrolne lub SHA-256 wysłanego pliku, wynik; zapisywany, gdy dany sterownik skończy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>write the debug trace to standard error</source>
        <translation>wypisz ślad diagnostyczny na standardowe wyjście błędów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program&apos;s version</source>
        <translation>wersja programu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>this text</source>
        <translation>ten tekst</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--all and --serial exclude each other</source>
        <translation>--all i --serial wykluczają się wzajemnie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 has no --json output</source>
        <translation>%1 nie ma wyjścia --json</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 uses no driver; --serial does not apply</source>
        <translation>%1 nie używa sterownika; --serial nie ma tu zastosowania</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot open the log %1: %2</source>
        <translation>nie można otworzyć dziennika %1: %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>unknown command &quot;%1&quot; (see lc420-cli --help)</source>
        <translation>nieznane polecenie &quot;%1&quot; (zob. lc420-cli --help)</translation>
    </message>
    <message>
        <location filename="../cli/servicecommands.cpp" line="-5"/>
        <source>--raw takes one output file</source>
        <translation>--raw przyjmuje jeden plik wyjściowy</translation>
    </message>
    <message numerus="yes">
        <location line="+43"/>
        <source>Wrote %n byte(s) to %1</source>
        <translation>
            <numerusform>Zapisano %n bajt do %1</numerusform>
            <numerusform>Zapisano %n bajty do %1</numerusform>
            <numerusform>Zapisano %n bajtów do %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>expected an address and a length</source>
        <translation>oczekiwano adresu i długości</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the address is not a hexadecimal number</source>
        <translation>adres nie jest liczbą szesnastkową</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+70"/>
        <source>the length must be 1 to %1</source>
        <translation>długość musi wynosić od 1 do %1</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+29"/>
        <location line="+43"/>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+29"/>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>expected an address, a length and a data byte</source>
        <translation>oczekiwano adresu, długości i bajtu danych</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>address and data are hexadecimal numbers</source>
        <translation>adres i dane są liczbami szesnastkowymi</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>Wrote %n byte(s) of 0x%1 at 0x%2</source>
        <translation>
            <numerusform>Zapisano %n bajt o wartości 0x%1 pod adresem 0x%2</numerusform>
            <numerusform>Zapisano %n bajty o wartości 0x%1 pod adresem 0x%2</numerusform>
            <numerusform>Zapisano %n bajtów o wartości 0x%1 pod adresem 0x%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>(the file has %n byte(s))</source>
        <translation>
            <numerusform>(plik ma %n bajt)</numerusform>
            <numerusform>(plik ma %n bajty)</numerusform>
            <numerusform>(plik ma %n bajtów)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>expected a fill byte of 0 to 255</source>
        <translation>oczekiwano bajtu wypełnienia od 0 do 255</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page was written.</source>
        <translation>Strona została zapisana.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>read-memory ADDR LEN [--raw OUT.bin]</source>
        <translation>read-memory ADRES DŁUGOŚĆ [--raw WYJŚCIE.bin]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex dump of controller memory (ADDR in hex, LEN 1 to %1)</source>
        <translation>zrzut szesnastkowy pamięci mikrokontrolera (ADRES szesnastkowo, DŁUGOŚĆ od 1 do %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>read-ext ADDR LEN [--raw OUT.bin]</source>
        <translation>read-ext ADRES DŁUGOŚĆ [--raw WYJŚCIE.bin]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hex dump of external flash, decoded (ADDR in hex, LEN 1 to %1)</source>
        <translation>zrzut szesnastkowy pamięci zewnętrznej, zdekodowany (ADRES szesnastkowo, DŁUGOŚĆ od 1 do %1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>write-ext ADDR LEN DATA</source>
        <translation>write-ext ADRES DŁUGOŚĆ DANE</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>expected one binary file</source>
        <translation>oczekiwano jednego pliku binarnego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>write-test-block takes no arguments</source>
        <translation>write-test-block nie przyjmuje argumentów</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>run-application takes no arguments</source>
        <translation>run-application nie przyjmuje argumentów</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RunApplication sent; the driver resets.</source>
        <translation>Wysłano RunApplication; sterownik uruchamia się ponownie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>connect takes no arguments</source>
        <translation>connect nie przyjmuje argumentów</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Connected: the driver answers.</source>
        <translation>Połączono: sterownik odpowiada.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--raw OUT.bin</source>
        <translation>--raw WYJŚCIE.bin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>write the bytes to OUT.bin instead of the hex dump</source>
        <translation>zapisz bajty do pliku WYJŚCIE.bin zamiast zrzutu szesnastkowego</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>check that an Lc420 driver answers</source>
        <translation>sprawdź, czy sterownik Lc420 odpowiada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>fill external flash with one byte (ADDR, DATA in hex)</source>
        <translation>wypełnij pamięć zewnętrzną jednym bajtem (ADRES, DANE szesnastkowo)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write-ext-bin FILE</source>
        <translation>write-ext-bin PLIK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>write a raw image to the external flash and verify it</source>
        <translation>zapisz surowy obraz do pamięci zewnętrznej i zweryfikuj go</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write-page BYTE</source>
        <translation>write-page BAJT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fill the page at 0x08005000 (bootloader only)</source>
        <translation>wypełnij stronę pod 0x08005000 (tylko bootloader)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>send the 512-byte test block</source>
        <translation>wyślij 512-bajtowy blok testowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reset into the bootloader, or start the application</source>
        <translation>uruchom ponownie w bootloaderze albo uruchom aplikację</translation>
    </message>
    <message>
        <location filename="../cli/showcommands.cpp" line="-823"/>
        <source>First difference (written → read back): %1</source>
        <translation>Pierwsza różnica (zapisane → odczytane): %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Checking programs</source>
        <translation>Sprawdzanie programów</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Checking scenes</source>
        <translation>Sprawdzanie scen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading programs</source>
        <translation>Odczyt programów</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reading scenes</source>
        <translation>Odczyt scen</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Wrote %1 to the driver.</source>
        <translation>Wysłano %1 do sterownika.</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>The driver holds exactly the programs of %1.</source>
        <translation>Sterownik zawiera dokładnie programy z %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The driver holds exactly the scenes of %1.</source>
        <translation>Sterownik zawiera dokładnie sceny z %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The driver&apos;s programs differ from %1 in %n step(s) (file → driver):</source>
        <translation>
            <numerusform>Programy sterownika różnią się od %1 w %n kroku (plik → sterownik):</numerusform>
            <numerusform>Programy sterownika różnią się od %1 w %n krokach (plik → sterownik):</numerusform>
            <numerusform>Programy sterownika różnią się od %1 w %n krokach (plik → sterownik):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The driver&apos;s scenes differ from %1 in %n scene(s) (file → driver):</source>
        <translation>
            <numerusform>Sceny sterownika różnią się od %1 w %n scenie (plik → sterownik):</numerusform>
            <numerusform>Sceny sterownika różnią się od %1 w %n scenach (plik → sterownik):</numerusform>
            <numerusform>Sceny sterownika różnią się od %1 w %n scenach (plik → sterownik):</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>black</source>
        <comment>command-line word</comment>
        <translation>czarny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>command-line word</comment>
        <translation>biały</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>command-line word</comment>
        <translation>czerwony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>command-line word</comment>
        <translation>zielony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>command-line word</comment>
        <translation>niebieski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>command-line word</comment>
        <translation>żółty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>command-line word</comment>
        <translation>cyjan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <comment>command-line word</comment>
        <translation>purpurowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange</source>
        <comment>command-line word</comment>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>up</source>
        <comment>command-line word</comment>
        <translation>rosnąco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>down</source>
        <comment>command-line word</comment>
        <translation>malejąco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>all</source>
        <comment>command-line word</comment>
        <translation>wszystkie</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>PATTERN</source>
        <translation>WZÓR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>one of: %1</source>
        <translation>jeden z: %1</translation>
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
        <translation>program do wypełnienia, od 1 do 8 [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--first N</source>
        <translation>--first N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the first step to fill [1]</source>
        <translation>pierwszy wypełniany krok [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the first scene to fill [1]</source>
        <translation>pierwsza wypełniana scena [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--last N</source>
        <translation>--last N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the last step to fill [12]</source>
        <translation>ostatni wypełniany krok [12]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last scene to fill [8]</source>
        <translation>ostatnia wypełniana scena [8]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--lamps LIST</source>
        <translation>--lamps LISTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the lamps, such as 1-6,9, or %1 [%1]</source>
        <translation>lampy, np. 1-6,9, albo %1 [%1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--color COLOR</source>
        <translation>--color KOLOR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chase, bounce, stack, sparkle: the light; fade: the first colour; alternate, wipe: the first colour; solid: the colour [%1]</source>
        <translation>bieg, odbicie, narastanie, iskrzenie: światło; przejście: pierwszy kolor; naprzemienny, przesłanianie: pierwszy kolor; jednolity: kolor [%1]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--color2 COLOR</source>
        <translation>--color2 KOLOR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, bounce, stack, sparkle: the background; fade: the last colour; alternate, wipe: the second colour [%1]</source>
        <translation>bieg, odbicie, narastanie, iskrzenie: tło; przejście: ostatni kolor; naprzemienny, przesłanianie: drugi kolor [%1]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--direction DIR</source>
        <translation>--direction KIERUNEK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, rainbow, bounce, stack, wipe: %1 (from lamp 1 towards lamp 12) or %2 [%1]</source>
        <translation>bieg, tęcza, odbicie, narastanie, przesłanianie: %1 (od lampy 1 ku lampie 12) albo %2 [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--width N</source>
        <translation>--width N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>chase, bounce, sparkle: how many lamps are lit at once [1]</source>
        <translation>bieg, odbicie, iskrzenie: ile lamp świeci naraz [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--seed N</source>
        <translation>--seed N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>sparkle: where the random lamps come from, 0 to 2147483647; the same seed gives the same steps [1]</source>
        <translation>iskrzenie: skąd biorą się losowe lampy, od 0 do 2147483647; to samo ziarno daje te same kroki [1]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--scene-time MS</source>
        <translation>--scene-time MS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the Scene Time of every filled step, 0 to 900000 [500]</source>
        <translation>czas sceny każdego wypełnianego kroku, od 0 do 900000 [500]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--xfade N</source>
        <translation>--xfade N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the XFade of every filled step, 0 to 100000 [0]</source>
        <translation>przenikanie każdego wypełnianego kroku, od 0 do 100000 [0]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no End Marker on the last filled step (the others get none either) [End Marker on the last step]</source>
        <translation>bez znacznika końca na ostatnim wypełnianym kroku (pozostałe też go nie dostają) [znacznik końca na ostatnim kroku]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--from FILE</source>
        <translation>--from PLIK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>start from the table in FILE instead of an all-black one</source>
        <translation>zacznij od tabeli z pliku PLIK zamiast od całkiem czarnej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>COLOR</source>
        <translation>KOLOR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>#rrggbb, R,G,B or one of: %1</source>
        <translation>#rrggbb, R,G,B lub jeden z: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>(the options: %1)</source>
        <translation>(opcje: %1)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>fill uses no driver; --all, --json and --log do not apply</source>
        <translation>fill nie używa sterownika; --all, --json i --log nie mają zastosowania</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>unknown pattern &quot;%1&quot;; the patterns: %2</source>
        <translation>nieznany wzór „%1”; wzory: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>scenes have no End Marker</source>
        <translation>sceny nie mają znacznika końca</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 przyjmuje liczbę, nie „%2”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--program goes with programs fill only</source>
        <translation>--program dotyczy tylko programs fill</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--lamps takes lamp numbers 1 to 12 such as 1-6,9, or %1; not &quot;%2&quot;</source>
        <translation>--lamps przyjmuje numery lamp od 1 do 12, np. 1-6,9, albo %1; nie „%2”</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 takes #rrggbb, R,G,B or a colour name; not &quot;%2&quot;</source>
        <translation>%1 przyjmuje #rrggbb, R,G,B lub nazwę koloru; nie „%2”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--direction takes %1 or %2</source>
        <translation>--direction przyjmuje %1 albo %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>expected a pattern and one output file</source>
        <translation>oczekiwano wzoru i jednego pliku wyjściowego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--seed goes with sparkle only</source>
        <translation>--seed działa tylko z wzorem iskrzenie</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the pattern could not be written</source>
        <translation>nie udało się zapisać wzoru</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>program %1, steps %2 to %3</source>
        <translation>program %1, kroki od %2 do %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scenes %1 to %2</source>
        <translation>sceny od %1 do %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (seed %2)</source>
        <translation>%1 (ziarno %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrote %1 (%2): %3 on %4</source>
        <translation>Zapisano %1 (%2): %3, %4</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>expected get, set or verify and a file</source>
        <translation>oczekiwano get, set lub verify oraz pliku</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--all and --log go with set only</source>
        <translation>--all i --log działają tylko z set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--json goes with verify or --all only</source>
        <translation>--json działa tylko z verify lub --all</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>expected get, set or verify</source>
        <translation>oczekiwano get, set lub verify</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>--color takes always, never or auto</source>
        <translation>--color przyjmuje always, never lub auto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--json does not go with --play</source>
        <translation>--json nie łączy się z --play</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>expected one show file</source>
        <translation>oczekiwano jednego pliku pokazu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is neither a programs nor a scenes file.</source>
        <translation>%1 nie jest ani plikiem programów, ani plikiem scen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is a scenes file; --play plays a program of a programs file.</source>
        <translation>%1 jest plikiem scen; --play odtwarza program z pliku programów.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>XFade</source>
        <translation>Przenikanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene Time</source>
        <translation>Czas sceny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Marker</source>
        <translation>Znacznik końca</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Block:</source>
        <translation>Blok:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steps:</source>
        <translation>Kroki:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes:</source>
        <translation>Sceny:</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>show-file [--color=always|never|auto] [--play [--program N] [--loops N]] FILE</source>
        <translation>show-file [--color=always|never|auto] [--play [--program N] [--loops N]] PLIK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>lamps in colour always, never, or only on a terminal when NO_COLOR is unset [auto]</source>
        <translation>lampy w kolorze zawsze, nigdy albo tylko w terminalu, gdy NO_COLOR nie jest ustawione [auto]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>play a program, one step per Scene Time, until Ctrl+C</source>
        <translation>odtwórz program, jeden krok na czas sceny, aż do Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>with --play: the program to play, 1 to 8 [1]</source>
        <translation>z --play: program do odtworzenia, od 1 do 8 [1]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--loops N</source>
        <translation>--loops N</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>with --play: stop after N rounds [until Ctrl+C]</source>
        <translation>z --play: zatrzymaj po N przebiegach [aż do Ctrl+C]</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Wrong file length (cut short, needs %1)</source>
        <translation>Nieprawidłowa długość pliku (ucięty, potrzeba %1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 in use</source>
        <translation>w użyciu %1 z %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>programs between the driver and a file, or compared with one</source>
        <translation>programy między sterownikiem a plikiem albo porównane z plikiem</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>print a programs or scenes file as a table; on a terminal each lamp in its colour; --play plays a program</source>
        <translation>wypisz plik programów lub scen jako tabelę; w terminalu każda lampa w swoim kolorze; --play odtwarza program</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>scenes between the driver and a file, or compared with one</source>
        <translation>sceny między sterownikiem a plikiem albo porównane z plikiem</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 (%2, %3 expected)</source>
        <translation>%1 (%2, oczekiwano %3)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrong file length (%1, needs %2)</source>
        <translation>Zła długość pliku (%1, potrzeba %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>programs get|set|verify FILE.pgm</source>
        <translation>programs get|set|verify PLIK.pgm</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>programs fill PATTERN [OPTIONS] OUT.pgm</source>
        <translation>programs fill WZÓR [OPCJE] WYJŚCIE.pgm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a pattern (%1) in steps of a program, as a file; no driver is used</source>
        <translation>wzór (%1) w krokach programu, zapisany do pliku; bez użycia sterownika</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>scenes get|set|verify FILE.scn</source>
        <translation>scenes get|set|verify PLIK.scn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scenes fill PATTERN [OPTIONS] OUT.scn</source>
        <translation>scenes fill WZÓR [OPCJE] WYJŚCIE.scn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same patterns over the scenes</source>
        <translation>te same wzory w scenach</translation>
    </message>
    <message>
        <location filename="../cli/upgradecommand.cpp" line="-30"/>
        <source>To run the upgrade again: %1</source>
        <translation>Aby ponowić aktualizację oprogramowania: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>expected one upgrade file</source>
        <translation>oczekiwano jednego pliku aktualizacji</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>upgrade FILE.upg</source>
        <translation>upgrade PLIK.upg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upgrade the driver&apos;s firmware from an upgrade file</source>
        <translation>zaktualizuj oprogramowanie sterownika z pliku aktualizacji</translation>
    </message>
    <message>
        <location filename="../cli/verifycommand.cpp" line="+20"/>
        <source>Reading the application</source>
        <translation>Odczyt aplikacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the external flash</source>
        <translation>Odczyt pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>expected at most one upgrade file</source>
        <translation>oczekiwano najwyżej jednego pliku aktualizacji</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>read the driver&apos;s firmware back: the same as the file, or without one, whether it adds up to its check words</source>
        <translation>odczytaj oprogramowanie sterownika: czy jest takie jak w pliku, a bez pliku, czy zgadza się ze swoimi słowami kontrolnymi</translation>
    </message>
    <message>
        <location filename="../cli/playcommand.cpp" line="+6"/>
        <source>--program takes a program from 1 to %1, not &quot;%2&quot;</source>
        <translation>--program przyjmuje numer programu od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--loops takes a number of rounds from 1 on, not &quot;%1&quot;</source>
        <translation>--loops przyjmuje liczbę powtórzeń od 1 w górę, a nie „%1”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--program and --loops go with --play</source>
        <translation>--program i --loops łączą się tylko z --play</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program %1, step %2 of %3:</source>
        <translation>Program %1, krok %2 z %3:</translation>
    </message>
    <message>
        <location filename="../cli/productionlog.cpp" line="+82"/>
        <location line="+11"/>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>the log is not open</source>
        <translation>dziennik nie jest otwarty</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>cannot record %1 in %2: %3</source>
        <translation>nie można zapisać %1 w %2: %3</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <location filename="../usb/connection.cpp" line="+31"/>
        <source>No Lc420 driver is attached.</source>
        <translation>Nie podłączono żadnego sterownika Lc420.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</source>
        <translation>Znaleziono Lc420 na magistrali %1, urządzenie %2, ale ten użytkownik nie może go otworzyć. Zainstaluj regułę udev (packaging/60-lc420.rules albo pakiet) i podłącz sterownik ponownie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Found an Lc420 on bus %1 device %2, but it cannot be opened; another program may be using it.</source>
        <translation>Znaleziono Lc420 na magistrali %1, urządzenie %2, ale nie można go otworzyć; być może używa go inny program.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 is not attached.</source>
        <translation>Sterownik %1 nie jest podłączony.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.</source>
        <translation>Podłączono sterowniki Lc420 (%1), ale żaden nie jest wybrany; do żadnego nic nie wysłano.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Driver %1 stopped answering (USB time-out); check the USB cable.</source>
        <translation>Sterownik %1 przestał odpowiadać (przekroczony czas USB); sprawdź kabel USB.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver did not answer in time (USB time-out); check the USB cable.</source>
        <translation>Sterownik nie odpowiedział na czas (przekroczony czas USB); sprawdź kabel USB.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1 went off the USB bus during the command; no other driver was used in its place.</source>
        <translation>Sterownik %1 zniknął z magistrali USB w trakcie polecenia; żaden inny sterownik nie został użyty w jego miejsce.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver went off the USB bus during a transfer.</source>
        <translation>Sterownik odłączył się od magistrali USB w trakcie transmisji.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver refused a USB transfer.</source>
        <translation>Sterownik odrzucił transmisję USB.</translation>
    </message>
</context>
<context>
    <name>DialogInfo</name>
    <message>
        <location filename="../app/information.ui" line="+14"/>
        <source>Lc420 Information</source>
        <translation>Informacje o Lc420</translation>
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
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Narzędzie do konfiguracji sterownika Lc420&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;img src=&quot;:/res/images/logo.png&quot;/&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&lt;a href=&quot;https://www.example.com&quot;&gt;https://www.example.com&lt;/a&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Example Lighting Ltd.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;12 Sample Street&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;00-000 Exampletown&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;Kraina Nigdzie&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;&amp;nbsp;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;tel. +00 000 000 000&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;margin:0px;&quot;&gt;faks +00 000 000 001&lt;/p&gt;
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
        <translation>Magistrala %1, urządzenie %2: ten użytkownik nie może go otworzyć</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bus %1 device %2: not answering</source>
        <translation>Szyna %1, urządzenie %2: nie odpowiada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, not answering</source>
        <translation>%1, nie odpowiada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bus %1 device %2: not read yet</source>
        <translation>Magistrala %1, urządzenie %2: jeszcze nie odczytano</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, waiting in its bootloader</source>
        <translation>%1, czeka w bootloaderze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, application</source>
        <translation>%1, aplikacja</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Several drivers are attached: choose one</source>
        <translation>Podłączono kilka sterowników: wybierz jeden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Driver %1: the firmware upgrade is running</source>
        <translation>Sterownik %1: trwa aktualizacja oprogramowania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1</source>
        <translation>Sterownik %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Driver %1 was left locked by an interrupted Get or Set</source>
        <translation>Sterownik %1 pozostał zablokowany po przerwanym pobraniu lub wysłaniu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver %1 waits in its bootloader: press &quot;Firmware Change&quot; to finish the upgrade</source>
        <translation>Sterownik %1 czeka w bootloaderze: naciśnij „Aktualizuj oprogramowanie”, aby dokończyć aktualizację oprogramowania</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 waits in its bootloader</source>
        <translation>Sterownik %1 czeka w swoim bootloaderze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Driver %1: application</source>
        <translation>Sterownik %1: aplikacja</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Release the lock</source>
        <translation>Zwolnij blokadę</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>To let the driver&apos;s show run again, release its lock: click the driver indicator in the status bar and choose &quot;%1&quot;.</source>
        <translation>Aby pokaz sterownika znów działał, zwolnij jego blokadę: kliknij wskaźnik sterownika na pasku stanu i wybierz „%1”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose one: click the driver indicator in the status bar.</source>
        <translation>Wybierz jeden: kliknij wskaźnik sterownika na pasku stanu.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Driver %1: application %2</source>
        <translation>Sterownik %1: aplikacja %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1: application, bootloader %2</source>
        <translation>Sterownik %1: aplikacja, bootloader %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1: application %2, bootloader %3</source>
        <translation>Sterownik %1: aplikacja %2, bootloader %3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Firmware check words: %1</source>
        <translation>Słowa kontrolne oprogramowania: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bootloader: %1 %2</source>
        <translation>Bootloader: %1 %2</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1 was not released: %2</source>
        <translation>Sterownik %1 nie został zwolniony: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Driver %1 was released.</source>
        <translation>Sterownik %1 został zwolniony.</translation>
    </message>
</context>
<context>
    <name>DriverInfo</name>
    <message>
        <location filename="../usb/driverinfo.cpp" line="+32"/>
        <source>application</source>
        <translation>aplikacja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bootloader</source>
        <translation>bootloader</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>runs its application</source>
        <translation>pracuje w trybie aplikacji</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waits in its bootloader</source>
        <translation>czeka w swoim bootloaderze</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>answers in an unknown mode</source>
        <translation>odpowiada w nieznanym trybie</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>application %1, external flash %2</source>
        <translation>aplikacja %1, pamięć zewnętrzna %2</translation>
    </message>
</context>
<context>
    <name>FileHistory</name>
    <message>
        <location filename="../app/filehistory.cpp" line="+74"/>
        <source>The settings file %1 is not a regular file and was left alone; recent files are kept only until the program ends.</source>
        <translation>Plik ustawień %1 nie jest zwykłym plikiem i pozostał nietknięty; ostatnie pliki będą pamiętane tylko do zamknięcia narzędzia.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The settings cannot be saved in %1; recent files are kept only until the program ends.</source>
        <translation>Nie można zapisać ustawień w %1; ostatnie pliki będą pamiętane tylko do zamknięcia narzędzia.</translation>
    </message>
</context>
<context>
    <name>FillStepsDialog</name>
    <message>
        <location filename="../widgets/dialogs/fillstepsdialog.cpp" line="+43"/>
        <source>Fill Steps</source>
        <translation>Wypełnij kroki</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Pattern:</source>
        <translation>&amp;Wzór:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lamp 1 to lamp 12</source>
        <translation>Od lampy 1 do lampy 12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp 12 to lamp 1</source>
        <translation>Od lampy 12 do lampy 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Direction:</source>
        <translation>&amp;Kierunek:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lamps lit at o&amp;nce:</source>
        <translation>Lampy zapalone &amp;naraz:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Ne&amp;w Seed</source>
        <translation>Lo&amp;suj ziarno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw another seed at random, for other random lamps.</source>
        <translation>Wylosuj inne ziarno, aby zapalić inne losowe lampy.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Seed:</source>
        <translation>Zi&amp;arno:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lamp %1</source>
        <translation>Lampa %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lamps:</source>
        <translation>Lampy:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;First step:</source>
        <translation>&amp;Pierwszy krok:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;First scene:</source>
        <translation>&amp;Pierwsza scena:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&amp;ast step:</source>
        <translation>&amp;Ostatni krok:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>L&amp;ast scene:</source>
        <translation>&amp;Ostatnia scena:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene &amp;Time:</source>
        <translation>&amp;Czas sceny:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;XFade:</source>
        <translation>P&amp;rzenikanie:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;End Marker on the last step</source>
        <translation>&amp;Znacznik końca na ostatnim kroku</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>&amp;Light:</source>
        <translation>Ko&amp;lor światła:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Background:</source>
        <translation>&amp;Tło:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>F&amp;rom:</source>
        <translation>O&amp;d koloru:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;o:</source>
        <translation>Do kolor&amp;u:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Colour 1:</source>
        <translation>Kolor &amp;1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colour &amp;2:</source>
        <translation>Kolor &amp;2:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Colour:</source>
        <translation>Ko&amp;lor:</translation>
    </message>
</context>
<context>
    <name>FirmwareCheck</name>
    <message>
        <location filename="../firmware/firmwareverify.cpp" line="+76"/>
        <source>The driver holds %1.</source>
        <translation>Słowa kontrolne w sterowniku: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver&apos;s check words could not be read.</source>
        <translation>Nie udało się odczytać słów kontrolnych ze sterownika.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The driver holds %1, the same as the file: it has this firmware.</source>
        <translation>Słowa kontrolne w sterowniku: %1, takie same jak w pliku: sterownik ma już to oprogramowanie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file holds %1.</source>
        <translation>Słowa kontrolne w pliku: %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+89"/>
        <source>The application differs from the file in %n page(s), first at %1.</source>
        <translation>
            <numerusform>Aplikacja różni się od pliku na %n stronie, pierwsza różnica pod adresem %1.</numerusform>
            <numerusform>Aplikacja różni się od pliku na %n stronach, pierwsza różnica pod adresem %1.</numerusform>
            <numerusform>Aplikacja różni się od pliku na %n stronach, pierwsza różnica pod adresem %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>The external flash&apos;s firmware block differs from the file in %n chunk(s) of 256 bytes, first at %1.</source>
        <translation>
            <numerusform>Blok oprogramowania w pamięci zewnętrznej różni się od pliku w %n fragmencie 256-bajtowym, pierwsza różnica pod adresem %1.</numerusform>
            <numerusform>Blok oprogramowania w pamięci zewnętrznej różni się od pliku w %n fragmentach 256-bajtowych, pierwsza różnica pod adresem %1.</numerusform>
            <numerusform>Blok oprogramowania w pamięci zewnętrznej różni się od pliku w %n fragmentach 256-bajtowych, pierwsza różnica pod adresem %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The application does not add up to its check word (%1 stored, %2 summed): the bootloader will not start it.</source>
        <translation>Aplikacja nie zgadza się ze swoim słowem kontrolnym (zapisane %1, suma %2): bootloader jej nie uruchomi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The external flash&apos;s firmware block does not add up to its check word (%1 stored, %2 summed).</source>
        <translation>Blok oprogramowania w pamięci zewnętrznej nie zgadza się ze swoim słowem kontrolnym (zapisane %1, suma %2).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The firmware of driver %1 is the same as %2 (%3).</source>
        <translation>Oprogramowanie sterownika %1 jest takie samo jak w %2 (%3).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The firmware of driver %1 is not the same as %2.</source>
        <translation>Oprogramowanie sterownika %1 nie jest takie samo jak w %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The firmware of driver %1 is intact: both areas add up to their check words (%2).</source>
        <translation>Oprogramowanie sterownika %1 jest nienaruszone: oba obszary zgadzają się ze swoimi słowami kontrolnymi (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The firmware of driver %1 is damaged.</source>
        <translation>Oprogramowanie sterownika %1 jest uszkodzone.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is no usable upgrade file; nothing was read from the driver.</source>
        <translation>%1 nie jest poprawnym plikiem aktualizacji; niczego nie odczytano ze sterownika.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reading the firmware back from the driver failed: %1</source>
        <translation>Odczyt kontrolny oprogramowania ze sterownika nie powiódł się: %1</translation>
    </message>
</context>
<context>
    <name>Hex</name>
    <message>
        <location filename="../firmware/hextobin.cpp" line="+374"/>
        <source>read</source>
        <translation>odczytano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line too short for a record</source>
        <translation>wiersz za krótki na rekord</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line does not begin with &apos;:&apos;</source>
        <translation>wiersz nie zaczyna się od „:”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>byte count is not hexadecimal</source>
        <translation>liczba bajtów nie jest szesnastkowa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>address is not hexadecimal</source>
        <translation>adres nie jest szesnastkowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>record type is not hexadecimal</source>
        <translation>typ rekordu nie jest szesnastkowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the record does not match its line</source>
        <translation>rekord nie zgadza się ze swoim wierszem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unsupported record type, a byte count or address that does not fit it, or a second start address</source>
        <translation>nieobsługiwany typ rekordu, niepasująca do niego liczba bajtów lub adres albo drugi adres startowy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>checksum mismatch</source>
        <translation>niezgodna suma kontrolna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot open the file</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no end-of-file record: the file is cut short</source>
        <translation>brak rekordu końca pliku: plik jest ucięty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this record gives an address a different value than an earlier record</source>
        <translation>ten rekord nadaje adresowi inną wartość niż wcześniejszy rekord</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this record&apos;s data on a check word differs from the word computed</source>
        <translation>dane tego rekordu w miejscu słowa kontrolnego różnią się od obliczonego słowa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
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
        <translation>Ustawienia pojedynczej diody LED</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Value of red color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Wartość koloru czerwonego &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next green edit box, SHIFT+TAB previous blue edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB: następne pole (zielony), SHIFT+TAB: poprzednie pole (niebieski)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Value of green color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Wartość koloru zielonego &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next blue edit box, SHIFT+TAB previous red edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB: następne pole (niebieski), SHIFT+TAB: poprzednie pole (czerwony)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Value of blue color &lt;0-255&gt; </source>
        <comment>no comment</comment>
        <translation>Wartość koloru niebieskiego &lt;0-255&gt; </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TAB key next red edit box, SHIFT+TAB previous green edit box</source>
        <comment>wprowadzanie wartosci z klawiatury, klawisz TAB oraz SHIFT+TAB przejscie do nastepnego/poprzedniego pola</comment>
        <translation>TAB: następne pole (czerwony), SHIFT+TAB: poprzednie pole (zielony)</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+3"/>
        <source>Add 1 to red</source>
        <comment>no comment</comment>
        <translation>Dodaj 1 do czerwonego</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Add 1 to green</source>
        <comment>no comment</comment>
        <translation>Dodaj 1 do zielonego</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Add 1 to blue</source>
        <comment>no comment</comment>
        <translation>Dodaj 1 do niebieskiego</translation>
    </message>
    <message>
        <location line="+144"/>
        <location line="+3"/>
        <source>Remove 1 from red</source>
        <comment>no comment</comment>
        <translation>Odejmij 1 od czerwonego</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Remove 1 from green</source>
        <comment>no comment</comment>
        <translation>Odejmij 1 od zielonego</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Remove 1 from blue</source>
        <comment>no comment</comment>
        <translation>Odejmij 1 od niebieskiego</translation>
    </message>
</context>
<context>
    <name>Lc460_bootloader</name>
    <message>
        <location filename="../app/filemenu.cpp" line="+56"/>
        <source>&amp;Open…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Recent Files</source>
        <translation>Ostatnie p&amp;liki</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../app/showpage.cpp" line="+445"/>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <location line="+63"/>
        <location filename="../app/lc460_bootloader.cpp" line="+38"/>
        <source>Lc420 ver. </source>
        <translation>Lc420 wer. </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Open Programs or Scenes File</source>
        <translation>Wybierz plik programów lub scen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programs and Scenes Files (*.pgm *.scn);;All Files (*)</source>
        <translation>Pliki programów i scen (*.pgm *.scn);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location filename="../app/lc460_bootloader.cpp" line="+304"/>
        <source>Stop the preview, or clear the slider marks of the tab in view</source>
        <translation>Zatrzymaj odtwarzanie albo usuń zaznaczenia suwaków na widocznej karcie</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Open the menu bar</source>
        <translation>Otwórz pasek menu</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Get From Lc420</source>
        <translation>Pobierz z Lc420</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set In Lc420</source>
        <translation>Wyślij do Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tool Bar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+5"/>
        <location filename="../service/serviceconsole.cpp" line="+385"/>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Firmware upgrade in progress</source>
        <translation>Trwa aktualizacja oprogramowania sterownika</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The driver is busy with a transfer. Try again when it has ended.</source>
        <translation>Sterownik jest zajęty przesyłaniem danych. Spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The window closes when the transfer has ended.</source>
        <translation>Okno zamknie się po zakończeniu przesyłania.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programs or scenes have changed since they were last saved or sent to the driver. Save them before closing?</source>
        <translation>Programy lub sceny zmieniły się od ostatniego zapisu lub wysłania do sterownika. Zapisać je przed zamknięciem?</translation>
    </message>
    <message>
        <location filename="../app/firmwarepage.cpp" line="+85"/>
        <location line="+44"/>
        <source>Hex (*.hex)</source>
        <translation>Pliki HEX (*.hex)</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+67"/>
        <source>HexToBin error: %1)</source>
        <translation>Nie można odczytać pliku HEX (błąd %1).</translation>
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
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>No application data (0x08004000..0x0801FFFB) in %1; no upgrade file written.</source>
        <translation>Brak danych aplikacji (0x08004000..0x0801FFFB) w %1; plik aktualizacji nie został zapisany.</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Open File</source>
        <comment>a HEX file to build an upgrade file from</comment>
        <translation>Wybierz plik HEX dla pliku aktualizacji</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Save File</source>
        <comment>the upgrade file built from a HEX file</comment>
        <translation>Zapisz plik aktualizacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+92"/>
        <location line="+132"/>
        <source>Upg (*.upg)</source>
        <translation>Pliki aktualizacji (*.upg)</translation>
    </message>
    <message>
        <location line="-219"/>
        <location line="+49"/>
        <location filename="../app/showpage.cpp" line="+97"/>
        <location line="+94"/>
        <source>File error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Open File</source>
        <comment>a HEX file to build bootloader images from</comment>
        <translation>Wybierz plik HEX dla obrazów bootloadera</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Production year</source>
        <translation>Rok produkcji</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year(YY)</source>
        <translation>Rok (RR)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production mont</source>
        <translation>Miesiąc produkcji</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month(MM)</source>
        <translation>Miesiąc (MM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production day</source>
        <translation>Dzień produkcji</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day(DD)</source>
        <translation>Dzień (DD)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production number</source>
        <translation>Numer produkcyjny</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number(NNN)</source>
        <translation>Numer (NNN)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Counter</source>
        <translation>Licznik</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../cli/firmwarecommands.cpp" line="-239"/>
        <source>New bootloader + serial:</source>
        <translation>Nowy bootloader + numer seryjny:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Open File</source>
        <comment>the upgrade file for Firmware Change</comment>
        <translation>Wybierz plik aktualizacji</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>(could not be read)</source>
        <translation>(nie udało się jej odczytać)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Upgrade the firmware of driver %1 with %2?

The driver %3. Its bootloader version:
%4

%5

Do not unplug the driver until the upgrade has ended.</source>
        <translation>Zaktualizować oprogramowanie sterownika %1 plikiem %2?

Sterownik %3. Wersja jego bootloadera:
%4

%5

Nie odłączaj sterownika, dopóki aktualizacja oprogramowania się nie zakończy.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Firmware Change cancelled: nothing was sent to driver %1.</source>
        <translation>Zmiana oprogramowania anulowana: nic nie zostało wysłane do sterownika %1.</translation>
    </message>
    <message>
        <location line="+59"/>
        <location line="+57"/>
        <source>Verify Firmware</source>
        <translation>Sprawdź oprogramowanie</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Compare the driver&apos;s firmware with an upgrade file?

Yes: choose the file; what the driver holds must be exactly its firmware.
No: without a file; each firmware area must add up to its check word, as the bootloader checks it.</source>
        <translation>Porównać oprogramowanie sterownika z plikiem aktualizacji?

Tak: wybierz plik; sterownik musi mieć dokładnie jego oprogramowanie.
Nie: bez pliku; każdy obszar oprogramowania musi się zgadzać ze swoim słowem kontrolnym, tak jak sprawdza to bootloader.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Open File</source>
        <comment>the upgrade file to verify the driver&apos;s firmware against</comment>
        <translation>Wybierz plik aktualizacji do porównania</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Verifying the driver&apos;s firmware ...</source>
        <translation>Weryfikacja oprogramowania sterownika ...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verifying the driver&apos;s firmware against %1 ...</source>
        <translation>Weryfikacja oprogramowania sterownika z plikiem %1 ...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The driver was only read. To write its firmware again, press &quot;Firmware Change&quot; and choose the upgrade file.</source>
        <translation>Sterownik był tylko odczytywany. Aby ponownie zapisać jego oprogramowanie, naciśnij „Aktualizuj oprogramowanie” i wybierz plik aktualizacji.</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Firmware Change</source>
        <translation>Aktualizuj oprogramowanie</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-316"/>
        <source>Connect OK</source>
        <translation>Połączenie OK</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+165"/>
        <source>Connect ERROR</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+14"/>
        <source>Disconnected from the driver. The next command connects again.</source>
        <translation>Rozłączono ze sterownikiem. Następne polecenie połączy się ponownie.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read From Lc350</source>
        <translation>Odczyt z Lc420</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+154"/>
        <location line="+33"/>
        <source>Address (hex)</source>
        <translation>Adres (hex)</translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+154"/>
        <location line="+39"/>
        <source>Length (dec)</source>
        <translation>Długość (dec)</translation>
    </message>
    <message>
        <location line="-185"/>
        <location line="+10"/>
        <location line="+144"/>
        <location line="+8"/>
        <location line="+20"/>
        <location line="+15"/>
        <source>error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="-197"/>
        <location line="+154"/>
        <location line="+28"/>
        <location line="+15"/>
        <source>Conversion error</source>
        <translation>Błąd konwersji</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>Test block sent: %1 bytes, 0x00 to 0xFF twice.</source>
        <translation>Wysłano blok testowy: %1 bajtów, dwa razy od 0x00 do 0xFF.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No driver answered. Check the USB cable and press &quot;Connect&quot;.</source>
        <translation>Żaden sterownik nie odpowiedział. Sprawdź kabel USB i naciśnij „Połącz”.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver %1 runs its application, which refuses page writes: a page is written only in the bootloader. Press &quot;Run Application&quot; to restart the driver in its bootloader, then write the page again.</source>
        <translation>Sterownik %1 pracuje w trybie aplikacji, która odmawia zapisu stron: stronę zapisuje tylko bootloader. Naciśnij „Uruchom aplikację”, aby uruchomić sterownik ponownie w bootloaderze, a potem zapisz stronę jeszcze raz.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The bootloader of driver %1 refused the page.</source>
        <translation>Bootloader sterownika %1 odrzucił stronę.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver refused the page.</source>
        <translation>Sterownik odrzucił stronę.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Run Application: the driver restarts and does not answer yet. The next command connects to it again.</source>
        <translation>Uruchom aplikację: sterownik uruchamia się ponownie i jeszcze nie odpowiada. Następne polecenie połączy się z nim ponownie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run Application: driver %1 runs its application.</source>
        <translation>Uruchom aplikację: sterownik %1 pracuje w trybie aplikacji.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Run Application: driver %1 waits in its bootloader.</source>
        <translation>Uruchom aplikację: sterownik %1 czeka w swoim bootloaderze.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Run Application: a driver answers again.</source>
        <translation>Uruchom aplikację: sterownik znów odpowiada.</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Open File</source>
        <comment>a binary file to write into the external flash</comment>
        <translation>Wybierz plik do zapisania w pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Write External Flash</source>
        <translation>Zapisz w pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write %1 (%2 bytes) to the start of the external flash of driver %3?

The first %2 bytes the external flash holds now are overwritten.</source>
        <translation>Zapisać %1 (%2 bajtów) na początku pamięci zewnętrznej sterownika %3?

Pierwszych %2 bajtów, które zawiera teraz pamięć zewnętrzna, zostanie nadpisanych.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+6"/>
        <source>ReadMemoryFromAddress error</source>
        <translation>Odczyt pamięci sterownika nie powiódł się.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Write ERROR</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-225"/>
        <source>Fill pattern</source>
        <translation>Wzorzec wypełnienia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number (dec)</source>
        <translation>Liczba (dec)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>page write ERROR</source>
        <translation>Błąd zapisu strony</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+71"/>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+9"/>
        <source>Status: ERROR</source>
        <translation>Status: BŁĄD</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+10"/>
        <source>StatusSet(%1)</source>
        <translation>Bit 0 statusu ma teraz wartość 1: ustawiony maską %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>StatusSet() ERROR</source>
        <translation>Ustawienie bitu statusu nie powiodło się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+10"/>
        <source>StatusClr(%1)</source>
        <translation>Bit 0 statusu ma teraz wartość 0: wyzerowany maską %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+4"/>
        <source>StatusClr() ERROR</source>
        <translation>Wyzerowanie bitu statusu nie powiodło się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+9"/>
        <source>Read External Flash From Lc350</source>
        <translation>Odczyt pamięci zewnętrznej z Lc420</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-10"/>
        <source>ReadExternalFlashFromAddress error</source>
        <translation>Odczyt pamięci zewnętrznej nie powiódł się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+33"/>
        <source>Write To External Flash Lc350</source>
        <translation>Zapis do pamięci zewnętrznej Lc420</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data(hex)</source>
        <translation>Dane (hex)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>lenght: %1</source>
        <translation>długość: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>address: 0x%1</source>
        <translation>adres: 0x%1</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-290"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>Przekroczony czas oczekiwania USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slotUpdateProgramScene</source>
        <translation>Odczyt ze sterownika nie powiódł się.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <location filename="../app/showpage.cpp" line="+2"/>
        <source>WriteExternalFlashToAddress</source>
        <translation>Zapis do sterownika nie powiódł się.</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-30"/>
        <source>The programs have changes that are not saved. Discard them?</source>
        <translation>Programy mają niezapisane zmiany. Odrzucić je?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes have changes that are not saved. Discard them?</source>
        <translation>Sceny mają niezapisane zmiany. Odrzucić je?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The window&apos;s programs and scenes are unchanged.</source>
        <translation>Programy i sceny w oknie pozostały bez zmian.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was sent to the driver.</source>
        <translation>Nic nie zostało wysłane do sterownika.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The editor still holds your programs.</source>
        <translation>Edytor nadal przechowuje Twoje programy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The editor still holds your scenes.</source>
        <translation>Edytor nadal przechowuje Twoje sceny.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Then press Get to read again.</source>
        <translation>Następnie naciśnij Pobierz, aby odczytać ponownie.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press Get to read again.</source>
        <translation>Naciśnij Pobierz, aby odczytać ponownie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Then press Set to send again.</source>
        <translation>Następnie naciśnij Wyślij, aby wysłać ponownie.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press Set to send again.</source>
        <translation>Naciśnij Wyślij, aby wysłać ponownie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Then compare again.</source>
        <translation>Następnie porównaj ponownie.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compare again when the driver answers.</source>
        <translation>Porównaj ponownie, gdy sterownik będzie odpowiadał.</translation>
    </message>
    <message>
        <location line="+59"/>
        <location line="+31"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Driver %1 holds exactly the programs this window shows.</source>
        <translation>Sterownik %1 zawiera dokładnie te programy, które pokazuje to okno.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver %1 holds exactly the scenes this window shows.</source>
        <translation>Sterownik %1 zawiera dokładnie te sceny, które pokazuje to okno.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Driver %1 holds other programs than this window. Steps that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</source>
        <translation>Sterownik %1 zawiera inne programy niż to okno. Różniące się kroki: %2 (najpierw wartości z tego okna; w podglądzie są otoczone czerwoną ramką).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver %1 holds other scenes than this window. Scenes that differ: %2 (this window&apos;s values first; they are framed in red in the overview).</source>
        <translation>Sterownik %1 zawiera inne sceny niż to okno. Różniące się sceny: %2 (najpierw wartości z tego okna; w podglądzie są otoczone czerwoną ramką).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>... and %1 more.</source>
        <translation>... i %1 więcej.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare With Driver</source>
        <translation>Porównaj ze sterownikiem</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Open Programs File</source>
        <translation>Wybierz plik programów</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open Scenes File</source>
        <translation>Wybierz plik scen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+93"/>
        <source>Programs Files (*.pgm)</source>
        <translation>Pliki programów (*.pgm)</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+93"/>
        <source>Scens Files (*.scn)</source>
        <translation>Pliki scen (*.scn)</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>Open it on the Scenes tab.</source>
        <translation>Otwórz go na karcie „Sceny”.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open it on the Programs tab.</source>
        <translation>Otwórz go na karcie „Programy”.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Loaded %1.</source>
        <translation>Wczytano %1.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Saved %1, which had been deleted since it was opened.</source>
        <translation>Zapisano %1, choć od otwarcia ten plik został usunięty.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was changed by another program since you opened it. Overwrite it with the programs shown here, or save them under another name?</source>
        <translation>Od otwarcia plik %1 został zmieniony przez inny program. Nadpisać go widocznymi tu programami czy zapisać je pod inną nazwą?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was changed by another program since you opened it. Overwrite it with the scenes shown here, or save them under another name?</source>
        <translation>Od otwarcia plik %1 został zmieniony przez inny program. Nadpisać go widocznymi tu scenami czy zapisać je pod inną nazwą?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File changed</source>
        <translation>Plik zmieniony</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Overwrite</source>
        <translation>&amp;Nadpisz</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists. Replace it?</source>
        <translation>Plik %1 już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Save Programs File</source>
        <translation>Zapisz programy do pliku</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Scenes File</source>
        <translation>Zapisz sceny do pliku</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+16"/>
        <source>Bin (*.bin)</source>
        <translation>Pliki binarne (*.bin)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-33"/>
        <source>Write OK</source>
        <translation>Zapis OK</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+20"/>
        <source>Length error</source>
        <translation>Błąd długości</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+7"/>
        <source>Length should be aligned to 4</source>
        <translation>Długość musi być wielokrotnością 4</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The file is larger than the external flash (%1 bytes)</source>
        <translation>Plik jest większy niż pamięć zewnętrzna (%1 B)</translation>
    </message>
    <message numerus="yes">
        <location line="-22"/>
        <source>Wrote %n byte(s) to the external flash at 0x%1; the read-back matched.</source>
        <translation>
            <numerusform>Zapisano %n bajt w pamięci zewnętrznej pod adresem 0x%1; odczyt kontrolny się zgadza.</numerusform>
            <numerusform>Zapisano %n bajty w pamięci zewnętrznej pod adresem 0x%1; odczyt kontrolny się zgadza.</numerusform>
            <numerusform>Zapisano %n bajtów w pamięci zewnętrznej pod adresem 0x%1; odczyt kontrolny się zgadza.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrote the page at 0x%1 with every byte 0x%2.</source>
        <translation>Zapisano stronę pod adresem 0x%1, każdy bajt 0x%2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>ReadExternalFlashFromAddress</source>
        <translation>Odczyt kontrolny pamięci zewnętrznej nie powiódł się.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>memcmp</source>
        <translation>Pamięć zewnętrzna nie zawiera tego, co zapisano.</translation>
    </message>
    <message>
        <location filename="../app/editmenu.cpp" line="+26"/>
        <source>Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Colour…</source>
        <translation>Ustaw k&amp;olor…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill Steps…</source>
        <translation>Wypełn&amp;ij kroki…</translation>
    </message>
    <message>
        <location filename="../app/showpageedits.cpp" line="+67"/>
        <source>Steps copied: %1.</source>
        <translation>Skopiowane kroki: %1.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scenes copied: %1.</source>
        <translation>Skopiowane sceny: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing pasted: the clipboard holds no steps or scenes.</source>
        <translation>Nic nie wklejono: schowek nie zawiera kroków ani scen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records dropped by the paste, since they did not fit after the last step: %1 of %2.</source>
        <translation>Pozycje pominięte przy wklejaniu, bo nie zmieściły się za ostatnim krokiem: %1 z %2.</translation>
    </message>
    <message>
        <location filename="../app/helpmenu.cpp" line="+57"/>
        <source>&amp;User Guide</source>
        <translation>&amp;Podręcznik użytkownika</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Lc420 User Guide</source>
        <translation>Lc420 – podręcznik użytkownika</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyboard shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Action</source>
        <translation>Czynność</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Anywhere in the window</source>
        <translation>W całym oknie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>In the overview grid</source>
        <translation>W siatce podglądu</translation>
    </message>
</context>
<context>
    <name>Lc460_bootloaderClass</name>
    <message>
        <location filename="../app/lc460_bootloader.ui" line="+37"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Flash %p%</source>
        <translation>Pamięć flash: %p %</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash write %p%</source>
        <translation>Zapis pamięci zewnętrznej: %p %</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash verify %p%</source>
        <translation>Weryfikacja pamięci zewnętrznej: %p %</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Firmware Change</source>
        <translation>&amp;Aktualizuj oprogramowanie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Connect</source>
        <translation>P&amp;ołącz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Disconnect</source>
        <translation>&amp;Rozłącz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read</source>
        <translation>O&amp;dczytaj pamięć</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Write</source>
        <translation>&amp;Zapisz w pamięci</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WritePage</source>
        <translation>Zapisz &amp;stronę</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExtFlashBin</source>
        <translation>Zapisz p&amp;lik w pamięci zewnętrznej</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RunApplication</source>
        <translation>Uruc&amp;hom aplikację</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExternalFlash</source>
        <translation>Zapisz pamięć ze&amp;wnętrzną</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ReadExternalFlash</source>
        <translation>Odczytaj pa&amp;mięć zewnętrzną</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateUpg</source>
        <translation>Utwórz plik a&amp;ktualizacji</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateBootBin</source>
        <translation>Utwórz obrazy &amp;bootloadera</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusClr</source>
        <translation>W&amp;yczyść status</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusGet</source>
        <translation>Odczytaj s&amp;tatus</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusSet</source>
        <translation>&amp;Ustaw status</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read the driver&apos;s firmware back and check it against an upgrade file, or against its own check words</source>
        <translation>Odczytaj oprogramowanie sterownika i sprawdź je z plikiem aktualizacji albo z jego własnymi słowami kontrolnymi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify Firmware…</source>
        <translation>Sprawdź opro&amp;gramowanie…</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Overview of the program&apos;s steps</source>
        <translation>Podgląd kroków programu</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+262"/>
        <source>Click a step, or move with the arrow keys, to show it below. Right-click for the Edit menu.</source>
        <translation>Kliknij krok lub przejdź do niego strzałkami, aby pokazać go poniżej. Prawy przycisk myszy otwiera menu „Edycja”.</translation>
    </message>
    <message>
        <location line="-199"/>
        <source>Program Number</source>
        <translation>Numer programu</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Scene Number</source>
        <comment>the step of a program</comment>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Overview of the scenes</source>
        <translation>Podgląd scen</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Scene Number</source>
        <translation>Numer sceny</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Compare With Driver</source>
        <translation>&amp;Porównaj ze sterownikiem</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duplicate</source>
        <translation>Powi&amp;el</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Insert Blank</source>
        <translation>Wst&amp;aw pustą pozycję</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rotate Lamps Left</source>
        <translation>Przesuń kolory lamp w &amp;lewo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rotate Lamps Right</source>
        <translation>Przesuń kolory lamp w p&amp;rawo</translation>
    </message>
    <message>
        <location line="-451"/>
        <location line="+242"/>
        <source>XFade</source>
        <translation>Przenikanie</translation>
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
        <translation>Czas sceny</translation>
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
        <translation>Znacznik końca</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Get Programs Form Lc460</source>
        <translation>Po&amp;bierz programy z Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Programs In Lc460</source>
        <translation>&amp;Wyślij programy do Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Programs From FIle</source>
        <translation>Wczyt&amp;aj programy z pliku</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Programs To File</source>
        <translation>&amp;Zapisz programy do pliku</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Get Scenes Form Lc460</source>
        <translation>Po&amp;bierz sceny z Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Scenes In Lc460</source>
        <translation>&amp;Wyślij sceny do Lc420</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Scenes From File</source>
        <translation>Wczyt&amp;aj sceny z pliku</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Scenes To File</source>
        <translation>&amp;Zapisz sceny do pliku</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Close</source>
        <translation>&amp;Zamknij</translation>
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
        <translation>&amp;Informacje o Lc420</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../app/main.cpp" line="+33"/>
        <source>Show the service console&apos;s buttons on the Settings tab (for technicians).</source>
        <translation>Pokaż przyciski konsoli serwisowej na karcie Ustawienia (dla techników).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use the driver with this serial number (in either mode) when several are attached; without it, the first driver found.</source>
        <translation>Użyj sterownika o tym numerze seryjnym (w dowolnym trybie), gdy podłączono kilka; bez tej opcji pierwszego znalezionego sterownika.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SERIAL</source>
        <translation>NR_SERYJNY</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write the debug trace to standard error.</source>
        <translation>Wypisz ślad diagnostyczny na standardowe wyjście błędów.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Lc420 driver&apos;s configuration tool.</source>
        <translation>Narzędzie do konfiguracji sterownika Lc420.</translation>
    </message>
</context>
<context>
    <name>OverviewView</name>
    <message>
        <location filename="../widgets/overviewview.cpp" line="+114"/>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XFade</source>
        <translation>Przenikanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scene Time (ms)</source>
        <translation>Czas sceny (ms)</translation>
    </message>
</context>
<context>
    <name>PreviewStrip</name>
    <message>
        <location filename="../widgets/previewstrip.cpp" line="+68"/>
        <source>The program as it plays: each step&apos;s colours held for its Scene Time. Cross-fades (XFade) are not shown, since how the driver times them is not known here.</source>
        <translation>Odtwarzanie programu: kolory każdego kroku trwają przez jego czas sceny. Przenikanie nie jest pokazywane, bo nie wiadomo tu, jak sterownik je odmierza.</translation>
    </message>
</context>
<context>
    <name>ProgramPlayer</name>
    <message>
        <location filename="../app/programplayer.cpp" line="+19"/>
        <source>&amp;Play Program</source>
        <translation>&amp;Odtwórz program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pla&amp;yback</source>
        <translation>Odtwarza&amp;nie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play the shown program in a preview above the overview (F5)</source>
        <translation>Odtwórz pokazany program nad podglądem (F5)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the preview (Esc)</source>
        <translation>Zatrzymaj odtwarzanie (Esc)</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Preview: program %1, step %2 of %3</source>
        <translation>Odtwarzanie: program %1, krok %2 z %3</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../app/main.cpp" line="-32"/>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc razem z opcjami Qt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <location filename="../app/information.cpp" line="+12"/>
        <source>Lc420 ver. </source>
        <translation>Lc420 wer. </translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../app/startup.cpp" line="+33"/>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <location line="-4"/>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close without Saving</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <location filename="../core/safefile.cpp" line="+20"/>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Too many open files</source>
        <translation>Zbyt wiele otwartych plików</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../app/startup.cpp" line="-5"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>RecordEditCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+41"/>
        <source>XFade</source>
        <translation>zmianę przenikania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scene Time</source>
        <translation>zmianę czasu sceny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>End Marker</source>
        <translation>zmianę znacznika końca</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lamp %1 Colour</source>
        <translation>zmianę koloru lampy %1</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../core/safefile.cpp" line="+5"/>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it is a folder, not a file to save to</source>
        <translation>to folder, nie plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a file to save to</source>
        <translation>to urządzenie, nie plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is a pipe or a socket, not a file to save to</source>
        <translation>to potok lub gniazdo, nie plik</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Could not write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>Show</name>
    <message>
        <location filename="../show/showcompare.cpp" line="+39"/>
        <source>scene %1</source>
        <translation>scena %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program %1, step %2</source>
        <translation>program %1, krok %2</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>lamp %1 %2</source>
        <translation>lampa %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lamps %1 %2</source>
        <translation>lampy %1 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>XFade %1 → %2</source>
        <translation>Przenikanie %1 → %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scene Time %1 → %2</source>
        <translation>Czas sceny %1 → %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Marker %1 → %2</source>
        <translation>Znacznik końca %1 → %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reserved bytes</source>
        <translation>bajty zarezerwowane</translation>
    </message>
    <message>
        <location filename="../show/showfile.cpp" line="+168"/>
        <source>Wrong file header</source>
        <translation>Nieprawidłowy nagłówek pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong version</source>
        <translation>Nieprawidłowa wersja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong file length</source>
        <translation>Nieprawidłowa długość pliku</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot be read: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a scenes file, not a programs file.</source>
        <translation>%1 jest plikiem scen, nie plikiem programów.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a programs file, not a scenes file.</source>
        <translation>%1 jest plikiem programów, nie plikiem scen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is empty.</source>
        <translation>%1 jest pusty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a programs file.</source>
        <translation>%1 nie jest plikiem programów.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is not a scenes file.</source>
        <translation>%1 nie jest plikiem scen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is cut short after its header.</source>
        <translation>%1 urywa się po nagłówku.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has the version &quot;%2&quot;; only &quot;%3&quot; can be read.</source>
        <translation>%1 ma wersję &quot;%2&quot;; odczytać można tylko &quot;%3&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds %2 bytes of table where %3 are needed.</source>
        <translation>%1 zawiera %2 B tabeli, a potrzeba %3 B.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is cut short: %2 of %3 bytes.</source>
        <translation>%1 jest ucięty: %2 B z %3 B.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: its table claims more bytes than the file holds.</source>
        <translation>%1 jest uszkodzony: jego tabela podaje więcej bajtów, niż zawiera plik.</translation>
    </message>
    <message>
        <location filename="../show/showtransfer.cpp" line="+165"/>
        <source>The driver was disconnected during the transfer, so no programs were taken.</source>
        <translation>Sterownik został odłączony podczas transmisji, więc nie pobrano żadnych programów.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver was disconnected during the transfer, so no scenes were taken.</source>
        <translation>Sterownik został odłączony podczas transmisji, więc nie pobrano żadnych scen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver was disconnected during the transfer; it may hold the programs only in part.</source>
        <translation>Sterownik został odłączony podczas transmisji; może zawierać programy tylko częściowo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver was disconnected during the transfer; it may hold the scenes only in part.</source>
        <translation>Sterownik został odłączony podczas transmisji; może zawierać sceny tylko częściowo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The driver did not answer, so nothing was transferred.</source>
        <translation>Sterownik nie odpowiedział, więc nic nie zostało przesłane.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were written, but reading them back from the driver failed, so it may hold them only in part.</source>
        <translation>Programy zostały zapisane, ale ich ponowny odczyt ze sterownika nie powiódł się, więc może je zawierać tylko częściowo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The scenes were written, but reading them back from the driver failed, so it may hold them only in part.</source>
        <translation>Sceny zostały zapisane, ale ich ponowny odczyt ze sterownika nie powiódł się, więc może je zawierać tylko częściowo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the programs from the driver failed, so none were taken.</source>
        <translation>Odczyt programów ze sterownika nie powiódł się, więc żadnych nie pobrano.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the scenes from the driver failed, so none were taken.</source>
        <translation>Odczyt scen ze sterownika nie powiódł się, więc żadnych nie pobrano.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing the programs to the driver failed; it may hold them only in part.</source>
        <translation>Zapis programów do sterownika nie powiódł się; może je zawierać tylko częściowo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing the scenes to the driver failed; it may hold them only in part.</source>
        <translation>Zapis scen do sterownika nie powiódł się; może je zawierać tylko częściowo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver holds other programs than were written to it, even after a second write (first at %1).</source>
        <translation>Sterownik zawiera inne programy niż do niego zapisane, nawet po drugim zapisie (pierwsza różnica: %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The driver holds other scenes than were written to it, even after a second write (first at %1).</source>
        <translation>Sterownik zawiera inne sceny niż do niego zapisane, nawet po drugim zapisie (pierwsza różnica: %1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The driver answered the same read differently each time, so nothing was taken.</source>
        <translation>Sterownik za każdym razem odpowiadał inaczej na ten sam odczyt, więc nic nie pobrano.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were read.</source>
        <translation>Programy zostały odczytane.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes were read.</source>
        <translation>Sceny zostały odczytane.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The programs were written.</source>
        <translation>Programy zostały zapisane.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The scenes were written.</source>
        <translation>Sceny zostały zapisane.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Its status bit 0 may have been left set.</source>
        <translation>Jego bit 0 statusu mógł pozostać ustawiony.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Then the driver was disconnected before it could be unlocked: its status bit 0 may still be set.</source>
        <translation>Potem sterownik został odłączony, zanim udało się go zwolnić: jego bit 0 statusu może być nadal ustawiony.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver could not be unlocked afterwards: its status bit 0 is still set.</source>
        <translation>Nie udało się potem odblokować sterownika: jego bit 0 statusu jest nadal ustawiony.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its status bit 0 may still be set.</source>
        <translation>Jego bit 0 statusu może być nadal ustawiony.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The driver could not be unlocked afterwards: its status bit 0 may still be set.</source>
        <translation>Nie udało się potem zwolnić sterownika: jego bit 0 statusu może być nadal ustawiony.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its status bit 0 is still set.</source>
        <translation>Jego bit 0 statusu jest nadal ustawiony.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its status bit 0 was cleared again.</source>
        <translation>Jego bit 0 statusu został ponownie wyzerowany.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Read 8 programs from the driver.</source>
        <translation>Pobrano 8 programów ze sterownika.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read 8 scenes from the driver.</source>
        <translation>Pobrano 8 scen ze sterownika.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote 8 programs to the driver.</source>
        <translation>Wysłano 8 programów do sterownika.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote 8 scenes to the driver.</source>
        <translation>Wysłano 8 scen do sterownika.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read 8 programs from driver %1.</source>
        <translation>Pobrano 8 programów ze sterownika %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read 8 scenes from driver %1.</source>
        <translation>Pobrano 8 scen ze sterownika %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrote 8 programs to driver %1.</source>
        <translation>Wysłano 8 programów do sterownika %1.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wrote 8 scenes to driver %1.</source>
        <translation>Wysłano 8 scen do sterownika %1.</translation>
    </message>
    <message>
        <location filename="../show/patterns.cpp" line="+199"/>
        <source>The table has the wrong size.</source>
        <translation>Tabela ma niewłaściwy rozmiar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no program %1; the programs are 1 to %2.</source>
        <translation>Nie ma programu %1; programy mają numery od 1 do %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose steps from 1 to %1, the first not after the last.</source>
        <translation>Wybierz kroki od 1 do %1, pierwszy nie dalej niż ostatni.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose scenes from 1 to %1, the first not after the last.</source>
        <translation>Wybierz sceny od 1 do %1, pierwszą nie dalej niż ostatnią.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose at least one lamp.</source>
        <translation>Wybierz co najmniej jedną lampę.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A chase can light 1 to %1 lamps at once, no more than are chosen.</source>
        <translation>Wędrujące światło może zapalić naraz od 1 do %1 lamp, nie więcej, niż wybrano.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The pattern can light 1 to %1 lamps at once, no more than are chosen.</source>
        <translation>Ten wzór może zapalić naraz od 1 do %1 lamp, nie więcej, niż wybrano.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The seed must be 0 to %1.</source>
        <translation>Ziarno musi wynosić od 0 do %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Scene Time must be 0 to %1 ms.</source>
        <translation>Czas sceny musi wynosić od 0 do %1 ms.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The XFade must be 0 to %1.</source>
        <translation>Przenikanie musi wynosić od 0 do %1.</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Chase</source>
        <translation>Wędrujące światło</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fade</source>
        <translation>Przejście</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alternate</source>
        <translation>Naprzemiennie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bounce</source>
        <translation>Tam i z powrotem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stack</source>
        <translation>Narastanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wipe</source>
        <translation>Przesłanianie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sparkle</source>
        <translation>Iskrzenie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solid</source>
        <translation>Jeden kolor</translation>
    </message>
</context>
<context>
    <name>Show::OverviewModel</name>
    <message>
        <location filename="../show/overviewmodel.cpp" line="+101"/>
        <source>Step %1, lamp %2: %3</source>
        <translation>Krok %1, lampa %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene %1, lamp %2: %3</source>
        <translation>Scena %1, lampa %2: %3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Step %1: XFade %2, Scene Time %3 ms</source>
        <translation>Krok %1: przenikanie %2, czas sceny %3 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scene %1: XFade %2, Scene Time %3 ms</source>
        <translation>Scena %1: przenikanie %2, czas sceny %3 ms</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(the program ends here)</source>
        <translation>(tu program się kończy)</translation>
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
        <translation>Adres DMX</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold Shift and move the pointer over sliders to mark them; hold Ctrl+Shift to unmark them. Ctrl+click marks or unmarks one slider. Moving a marked slider moves every marked slider on this tab. Esc clears all marks.</source>
        <translation>Przytrzymaj Shift i przesuń wskaźnik nad suwakami, aby je zaznaczyć; przytrzymaj Ctrl+Shift, aby usunąć zaznaczenie. Ctrl+kliknięcie zaznacza lub odznacza jeden suwak. Przesunięcie zaznaczonego suwaka przesuwa wszystkie zaznaczone suwaki na tej karcie. Esc usuwa wszystkie zaznaczenia.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose Colour…</source>
        <translation>Wybierz kolor…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Double-click the colour, or right-click it, to choose one.</source>
        <translation>Kliknij kolor dwukrotnie lub prawym przyciskiem myszy, aby wybrać kolor.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Lamp %1</source>
        <translation>Lampa %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 colour</source>
        <translation>Lampa %1, kolor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lamp %1 red</source>
        <translation>Lampa %1, czerwony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 green</source>
        <translation>Lampa %1, zielony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp %1 blue</source>
        <translation>Lampa %1, niebieski</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: one step up</source>
        <translation>%1: o krok w górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: one step down</source>
        <translation>%1: o krok w dół</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>%1 (red %2, green %3, blue %4)</source>
        <translation>%1 (czerwony %2, zielony %3, niebieski %4)</translation>
    </message>
</context>
<context>
    <name>TableCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+59"/>
        <source>Duplicate</source>
        <translation>powielenie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert Blank</source>
        <translation>wstawienie pustej pozycji</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>usunięcie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Lamps Left</source>
        <translation>przesunięcie kolorów lamp w lewo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Lamps Right</source>
        <translation>przesunięcie kolorów lamp w prawo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Paste</source>
        <translation>wklejenie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load</source>
        <translation>wczytanie z pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get</source>
        <translation>pobranie z Lc420</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Colour</source>
        <translation>ustawienie koloru</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fill Steps</source>
        <translation>wypełnienie kroków</translation>
    </message>
</context>
<context>
    <name>Upgrade</name>
    <message>
        <location filename="../firmware/upgradefile.cpp" line="+125"/>
        <source>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</source>
        <translation>Ostrzeżenie: %1 zawiera %2 B danych pod adresami %3..%4, poza zakresem %5..%6; pominięto je.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Records there disagree on %1 B, the first at %2 (line %3).</source>
        <translation>Wiersze pliku podają tam różne wartości dla %1 B, pierwszy pod adresem %2 (wiersz %3).</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <location filename="../firmware/upgradeprocedure.cpp" line="+63"/>
        <source>Wrong file header</source>
        <translation>Nieprawidłowy nagłówek pliku</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrong file version</source>
        <translation>Nieprawidłowa wersja pliku</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Damaged upgrade file</source>
        <translation>Uszkodzony plik aktualizacji</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+99"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>Przekroczony czas oczekiwania USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Bootloader Version Read Error</source>
        <translation>Błąd odczytu wersji bootloadera</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Bootloader mode</source>
        <translation>Tryb bootloadera</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+58"/>
        <source>Serial:</source>
        <translation>Numer seryjny: </translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Writting firmware ... </source>
        <translation>Zapis oprogramowania sterownika ... </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Apllication mode</source>
        <translation>Tryb aplikacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset device</source>
        <translation>Reset sterownika</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>USB timout
Check USB cable</source>
        <translation>Przekroczony czas oczekiwania USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Disconnect</source>
        <translation>Rozłączanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Łączenie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No driver answered after the reset.</source>
        <translation>Żaden sterownik nie odpowiedział po resecie.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Another driver answered: %1</source>
        <translation>Odpowiedział inny sterownik: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+4"/>
        <location line="+19"/>
        <location line="+59"/>
        <location line="+4"/>
        <source>ERROR</source>
        <translation>Strona oprogramowania sterownika nie zapisała się albo odczytała się inaczej.</translation>
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
        <translation>Zapis pamięci zewnętrznej ... </translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Error</source>
        <translation>Pamięć zewnętrzna nie zapisała się albo odczytała się inaczej.</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Verify External Flash ...  </source>
        <translation>Weryfikacja pamięci zewnętrznej ...  </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>read_buffer</source>
        <translation>Odczytane dane:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ext_datas.data()</source>
        <translation>Oczekiwane dane:</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>the driver stopped answering during the transfer</source>
        <translation>sterownik przestał odpowiadać podczas transmisji</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the driver was disconnected during the transfer</source>
        <translation>sterownik został odłączony podczas transmisji</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>what was written did not read back the same</source>
        <translation>zapisane dane odczytały się inaczej</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the driver did not answer in time after its reset</source>
        <translation>sterownik nie odpowiedział na czas po ponownym uruchomieniu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the driver refused a transfer</source>
        <translation>sterownik odrzucił transmisję</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the driver</source>
        <translation>sterownik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>driver %1</source>
        <translation>sterownik %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Upgrade finished: driver %1 runs the new firmware.</source>
        <translation>Aktualizacja oprogramowania zakończona: sterownik %1 działa z nowym oprogramowaniem.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new firmware was written, verified and started; whether the driver came back running it was not checked.</source>
        <translation>Nowe oprogramowanie sterownika zostało zapisane, zweryfikowane i uruchomione; nie sprawdzono, czy sterownik wrócił, wykonując je.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new firmware was written and verified, but %1 came back in its bootloader and waits there (it answers in bootloader mode). Its programs and scenes are kept. Choose the same file again to finish the upgrade.</source>
        <translation>Nowe oprogramowanie sterownika zostało zapisane i zweryfikowane, ale %1 wrócił w bootloaderze i tam czeka (odpowiada w trybie bootloadera). Jego programy i sceny są zachowane. Wybierz ten sam plik ponownie, aby dokończyć aktualizację oprogramowania.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The new firmware was written and verified, but no driver answered after the reset. Plug %1 in again, then choose the same file again.</source>
        <translation>Nowe oprogramowanie sterownika zostało zapisane i zweryfikowane, ale po ponownym uruchomieniu żaden sterownik nie odpowiedział. Podłącz ponownie: %1, a potem wybierz ten sam plik ponownie.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The upgrade did not start: no driver answered. Nothing was changed; check the USB cable and try again.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: żaden sterownik nie odpowiedział. Nic nie zostało zmienione; sprawdź kabel USB i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not start: %1 came back in its bootloader too late and waits there (it answers in bootloader mode). Its firmware, programs and scenes are unchanged. Choose the same file again to upgrade it.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: %1 wrócił w bootloaderze za późno i tam czeka (odpowiada w trybie bootloadera). Jego oprogramowanie, programy i sceny są niezmienione. Wybierz ten sam plik ponownie, aby go zaktualizować.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upgrade did not start: %1 did not start its bootloader and runs its old firmware. Nothing on it was changed; try again.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: %1 nie uruchomił bootloadera i wykonuje stare oprogramowanie. Nic w nim nie zostało zmienione; spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not start: %1 was told to start its bootloader, and no driver answered after the reset. Its firmware, programs and scenes are unchanged. Plug it in again, then choose the same file again.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: %1 otrzymał polecenie uruchomienia bootloadera i po ponownym uruchomieniu żaden sterownik nie odpowiedział. Jego oprogramowanie, programy i sceny są niezmienione. Podłącz go ponownie, a potem wybierz ten sam plik ponownie.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not finish: %1. The driver waits in its bootloader (it answers in bootloader mode); its programs and scenes are kept. Choose the same file again to finish the upgrade.</source>
        <translation>Aktualizacja oprogramowania nie zakończyła się: %1. Sterownik czeka w bootloaderze (odpowiada w trybie bootloadera); jego programy i sceny są zachowane. Wybierz ten sam plik ponownie, aby dokończyć aktualizację oprogramowania.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The upgrade did not finish: %1. The driver runs firmware again, which may not be the new one. Choose the same file again.</source>
        <translation>Aktualizacja oprogramowania nie zakończyła się: %1. Sterownik znowu wykonuje oprogramowanie, które może nie być nowe. Wybierz ten sam plik ponownie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not finish: %1, and no driver answered afterwards. Plug %2 in again, then choose the same file again.</source>
        <translation>Aktualizacja oprogramowania nie zakończyła się: %1, a potem żaden sterownik nie odpowiedział. Podłącz ponownie: %2, a potem wybierz ten sam plik ponownie.</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: plik nie jest poprawnym plikiem aktualizacji. Nic w sterowniku nie zostało zmienione.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: sterownik nie odpowiedział zgodnie z oczekiwaniem. Nic w nim nie zostało zmienione.</translation>
    </message>
</context>
</TS>
