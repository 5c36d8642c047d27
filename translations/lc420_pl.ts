<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <location filename="../app/filemenu.cpp" line="+53"/>
        <source>&amp;Open…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Recent Files</source>
        <translation>Ostatnie p&amp;liki</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <location line="+63"/>
        <location filename="../app/lc460_bootloader.cpp" line="+30"/>
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
        <location filename="../app/lc460_bootloader.cpp" line="+284"/>
        <location line="+5"/>
        <location filename="../service/serviceconsole.cpp" line="+249"/>
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
        <location line="+26"/>
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
        <location filename="../app/firmwarepage.cpp" line="+74"/>
        <location line="+45"/>
        <source>Hex (*.hex)</source>
        <translation>Pliki HEX (*.hex)</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+68"/>
        <source>HexToBin error: %1)</source>
        <translation>Nie można odczytać pliku HEX (błąd %1).</translation>
    </message>
    <message>
        <location line="-66"/>
        <location line="+11"/>
        <location line="+57"/>
        <location line="+70"/>
        <location filename="../app/showpage.cpp" line="+156"/>
        <location line="+3"/>
        <location line="+5"/>
        <location line="+41"/>
        <location line="+4"/>
        <location line="+5"/>
        <location filename="../service/serviceconsole.cpp" line="-21"/>
        <location line="+35"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="-131"/>
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
        <location line="+80"/>
        <source>Upg (*.upg)</source>
        <translation>Pliki aktualizacji (*.upg)</translation>
    </message>
    <message>
        <location line="-75"/>
        <location line="+51"/>
        <location filename="../app/showpage.cpp" line="+120"/>
        <location line="+59"/>
        <source>File error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+51"/>
        <location filename="../app/showpage.cpp" line="+1"/>
        <source>Cannot write %1:
%2</source>
        <translation>Nie można zapisać %1:
%2</translation>
    </message>
    <message>
        <location line="-43"/>
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
        <location line="+23"/>
        <source>New bootloader + serial:</source>
        <translation>Nowy bootloader + numer seryjny:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open File</source>
        <comment>the upgrade file for Firmware Change</comment>
        <translation>Wybierz plik aktualizacji</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-213"/>
        <source>Connect OK</source>
        <translation>Połączenie OK</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+143"/>
        <source>Connect ERROR</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+15"/>
        <source>Read From Lc350</source>
        <translation>Odczyt z Lc420</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <location line="+31"/>
        <source>Address (hex)</source>
        <translation>Adres (hex)</translation>
    </message>
    <message>
        <location line="-122"/>
        <location line="+95"/>
        <location line="+37"/>
        <source>Length (dec)</source>
        <translation>Długość (dec)</translation>
    </message>
    <message>
        <location line="-124"/>
        <location line="+7"/>
        <location line="+88"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+15"/>
        <source>error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+95"/>
        <location line="+26"/>
        <location line="+15"/>
        <source>Conversion error</source>
        <translation>Błąd konwersji</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open File</source>
        <comment>a binary file to write into the external flash</comment>
        <translation>Wybierz plik do zapisania w pamięci zewnętrznej</translation>
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
        <location filename="../service/serviceconsole.cpp" line="-124"/>
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
        <location filename="../service/serviceconsole.cpp" line="+26"/>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+9"/>
        <source>Status: ERROR</source>
        <translation>Status: BŁĄD</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>StatusSet(%1)</source>
        <translation>Bit statusu ustawiony: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>StatusSet() ERROR</source>
        <translation>Ustawienie bitu statusu nie powiodło się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>StatusClr(%1)</source>
        <translation>Bit statusu wyczyszczony: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+4"/>
        <source>StatusClr() ERROR</source>
        <translation>Wyczyszczenie bitu statusu nie powiodło się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>Read External Flash From Lc350</source>
        <translation>Odczyt pamięci zewnętrznej z Lc420</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-10"/>
        <source>ReadExternalFlashFromAddress error</source>
        <translation>Odczyt pamięci zewnętrznej nie powiódł się.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+31"/>
        <source>Write To External Flash Lc350</source>
        <translation>Zapis do pamięci zewnętrznej Lc420</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data(hex)</source>
        <translation>Dane (hex)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>lenght: %1</source>
        <translation>długość: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>address: 0x%1</source>
        <translation>adres: 0x%1</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-238"/>
        <location line="+49"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>Przekroczony czas oczekiwania USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>slotUpdateProgramScene</source>
        <translation>Pobranie danych pokazu ze sterownika nie powiodło się. Edytor pokazuje to, co pokazywał wcześniej.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <location filename="../app/showpage.cpp" line="+50"/>
        <source>WriteExternalFlashToAddress</source>
        <translation>Zapis do sterownika nie powiódł się; nic nie zostało utracone. Sprawdź kabel USB i spróbuj ponownie.</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-67"/>
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
        <location line="+85"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location line="+53"/>
        <source>Programs Files (*.pgm)</source>
        <translation>Pliki programów (*.pgm)</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+53"/>
        <source>Scens Files (*.scn)</source>
        <translation>Pliki scen (*.scn)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Loaded %1.</source>
        <translation>Wczytano %1.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists. Replace it?</source>
        <translation>Plik %1 już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Save Programs File</source>
        <translation>Zapisz programy do pliku</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Scenes File</source>
        <translation>Zapisz sceny do pliku</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+11"/>
        <source>Bin (*.bin)</source>
        <translation>Pliki binarne (*.bin)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-33"/>
        <source>Write OK</source>
        <translation>Zapis OK</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+18"/>
        <location line="+5"/>
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
        <translation>Plik jest większy niż pamięć zewnętrzna (%1 bajtów)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ReadExternalFlashFromAddress</source>
        <translation>Odczyt kontrolny pamięci zewnętrznej nie powiódł się.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>memcmp</source>
        <translation>Pamięć zewnętrzna nie zawiera tego, co zapisano.</translation>
    </message>
    <message>
        <location filename="../app/editmenu.cpp" line="+23"/>
        <source>Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="+80"/>
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
        <location line="+26"/>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+241"/>
        <source>Click a step, or move with the arrow keys, to show it below. Right-click for the Edit menu.</source>
        <translation>Kliknij krok lub przejdź do niego strzałkami, aby pokazać go poniżej. Prawy przycisk myszy otwiera menu „Edycja”.</translation>
    </message>
    <message>
        <location line="-184"/>
        <source>Program Number</source>
        <translation>Numer programu</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scene Number</source>
        <comment>the step of a program</comment>
        <translation>Krok</translation>
    </message>
    <message>
        <location line="+224"/>
        <source>Scene Number</source>
        <translation>Numer sceny</translation>
    </message>
    <message>
        <location line="+171"/>
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
        <location line="-430"/>
        <location line="+224"/>
        <source>XFade</source>
        <translation>Przenikanie</translation>
    </message>
    <message>
        <location line="-211"/>
        <location line="+224"/>
        <source>%</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="-217"/>
        <location line="+224"/>
        <source>Scene Time</source>
        <translation>Czas sceny</translation>
    </message>
    <message>
        <location line="-211"/>
        <location line="+224"/>
        <source>ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="-217"/>
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
        <location line="+155"/>
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
        <location filename="../app/startup.cpp" line="+32"/>
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
    <name>QPlatformTheme</name>
    <message>
        <location line="-5"/>
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
        <location filename="../app/showcommands.cpp" line="+31"/>
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
        <location filename="../core/safefile.cpp" line="+15"/>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Could not write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
</context>
<context>
    <name>Show</name>
    <message>
        <location filename="../show/showcompare.cpp" line="+37"/>
        <source>scene %1</source>
        <translation>scena %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program %1, step %2</source>
        <translation>program %1, krok %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>lamp %1</source>
        <translation>lampa %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lamps %1</source>
        <translation>lampy %1</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location filename="../show/showfile.cpp" line="+125"/>
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
        <location filename="../show/showtransfer.cpp" line="+123"/>
        <source>The driver did not answer, so nothing was transferred. Check the USB cable and try again.</source>
        <translation>Sterownik nie odpowiedział, więc nic nie zostało przesłane. Sprawdź kabel USB i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were written, but reading them back from the driver failed. The editor keeps them; press Set again.</source>
        <translation>Programy zostały wysłane, ale ich odczyt kontrolny ze sterownika nie powiódł się. Edytor je zachowuje; naciśnij ponownie „Wyślij programy do Lc420”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were written, but reading them back from the driver failed. The editor keeps them; press Set again.</source>
        <translation>Sceny zostały wysłane, ale ich odczyt kontrolny ze sterownika nie powiódł się. Edytor je zachowuje; naciśnij ponownie „Wyślij sceny do Lc420”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the programs from the driver failed. The editor still shows what it showed before.</source>
        <translation>Pobranie programów ze sterownika nie powiodło się. Edytor pokazuje to samo co przedtem.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the scenes from the driver failed. The editor still shows what it showed before.</source>
        <translation>Pobranie scen ze sterownika nie powiodło się. Edytor pokazuje to samo co przedtem.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver holds other programs than were written to it. The editor keeps them; press Set again, and if this repeats, have the driver checked.</source>
        <translation>Sterownik zawiera inne programy niż do niego wysłano. Edytor je zachowuje; naciśnij ponownie „Wyślij programy do Lc420”, a jeśli to się powtórzy, oddaj sterownik do sprawdzenia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver holds other scenes than were written to it. The editor keeps them; press Set again, and if this repeats, have the driver checked.</source>
        <translation>Sterownik zawiera inne sceny niż do niego wysłano. Edytor je zachowuje; naciśnij ponownie „Wyślij sceny do Lc420”, a jeśli to się powtórzy, oddaj sterownik do sprawdzenia.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver answered the same read differently each time, so nothing was taken. The editor still shows what it showed before; check the USB cable and try again.</source>
        <translation>Sterownik za każdym razem inaczej odpowiadał na ten sam odczyt, więc nic nie zostało pobrane. Edytor pokazuje to samo co przedtem; sprawdź kabel USB i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing the programs to the driver failed. The editor keeps them; press Set again.</source>
        <translation>Wysłanie programów do sterownika nie powiodło się. Edytor je zachowuje; naciśnij ponownie „Wyślij programy do Lc420”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing the scenes to the driver failed. The editor keeps them; press Set again.</source>
        <translation>Wysłanie scen do sterownika nie powiodło się. Edytor je zachowuje; naciśnij ponownie „Wyślij sceny do Lc420”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The programs were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>Programy zostały pobrane, ale potem nie udało się odblokować sterownika. Odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>Sceny zostały pobrane, ale potem nie udało się odblokować sterownika. Odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The programs were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>Programy zostały wysłane, ale potem nie udało się odblokować sterownika. Odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>Sceny zostały wysłane, ale potem nie udało się odblokować sterownika. Odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <location line="+6"/>
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
</context>
<context>
    <name>Show::OverviewModel</name>
    <message>
        <location filename="../show/overviewmodel.cpp" line="+108"/>
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
        <location filename="../widgets/superrgb.cpp" line="+65"/>
        <source>L: %1</source>
        <translation>L: %1</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+195"/>
        <source>%1 (red %2, green %3, blue %4)</source>
        <translation>%1 (czerwony %2, zielony %3, niebieski %4)</translation>
    </message>
</context>
<context>
    <name>TableCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+46"/>
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
</context>
<context>
    <name>Upgrade</name>
    <message>
        <location filename="../firmware/upgradefile.cpp" line="+75"/>
        <source>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</source>
        <translation>Ostrzeżenie: %1 zawiera %2 B danych pod adresami %3..%4, poza zakresem %5..%6; pominięto je.</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <location filename="../firmware/upgradeprocedure.cpp" line="+58"/>
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
        <translation>BŁĄD</translation>
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
        <translation>Błąd</translation>
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
        <location line="+73"/>
        <source>Upgrade finished: driver %1 runs the new firmware.</source>
        <translation>Aktualizacja oprogramowania zakończona: sterownik %1 działa z nowym oprogramowaniem.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new firmware was written, verified and started.</source>
        <translation>Nowe oprogramowanie sterownika zostało zapisane, sprawdzone i uruchomione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new firmware was written and verified, but driver %1 did not come back running it. Unplug the driver, plug it in again and check that it works.</source>
        <translation>Nowe oprogramowanie sterownika zostało zapisane i sprawdzone, ale sterownik %1 nie zgłosił się z nim ponownie. Odłącz sterownik, podłącz go ponownie i sprawdź, czy działa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: plik nie jest poprawnym plikiem aktualizacji. Nic w sterowniku nie zostało zmienione.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not start: no driver answered. Check the USB cable and press Firmware Change again.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: żaden sterownik nie odpowiedział. Sprawdź kabel USB i rozpocznij aktualizację ponownie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: sterownik nie odpowiedział zgodnie z oczekiwaniem. Nic w nim nie zostało zmienione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upgrade did not start: the driver was told to start its bootloader and did not come back. Its firmware, programs and scenes are unchanged. Check the USB cable, unplug the driver and plug it in again, then press Firmware Change again.</source>
        <translation>Aktualizacja oprogramowania nie rozpoczęła się: sterownik miał uruchomić bootloader i nie zgłosił się ponownie. Jego oprogramowanie, programy i sceny są bez zmian. Sprawdź kabel USB, odłącz i podłącz sterownik, a potem rozpocznij aktualizację ponownie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not finish. The driver waits in its bootloader; its programs and scenes are kept. Press Firmware Change and choose the same file again.</source>
        <translation>Aktualizacja oprogramowania nie została dokończona. Sterownik czeka w bootloaderze; jego programy i sceny są zachowane. Rozpocznij aktualizację ponownie i wybierz ten sam plik.</translation>
    </message>
</context>
<context>
    <name>UsbDevice</name>
    <message>
        <location filename="../usb/usbdevice.cpp" line="+275"/>
        <source>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</source>
        <translation>Znaleziono Lc420 na magistrali %1, urządzenie %2, ale ten użytkownik nie może go otworzyć. Zainstaluj regułę udev (packaging/60-lc420.rules albo pakiet) i podłącz sterownik ponownie.</translation>
    </message>
</context>
</TS>
