<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <location filename="../app/filemenu.cpp" line="+53"/>
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Recent Files</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save &amp;As…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <location line="+63"/>
        <location filename="../app/lc460_bootloader.cpp" line="+30"/>
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
        <location filename="../app/lc460_bootloader.cpp" line="+284"/>
        <location line="+5"/>
        <location filename="../service/serviceconsole.cpp" line="+249"/>
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
        <location line="+26"/>
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
        <location filename="../app/firmwarepage.cpp" line="+74"/>
        <location line="+45"/>
        <source>Hex (*.hex)</source>
        <translation>HEX files (*.hex)</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+68"/>
        <source>HexToBin error: %1)</source>
        <translation>The HEX file cannot be read (error %1).</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <location line="-131"/>
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
        <location line="+80"/>
        <source>Upg (*.upg)</source>
        <translation>Upgrade files (*.upg)</translation>
    </message>
    <message>
        <location line="-75"/>
        <location line="+51"/>
        <location filename="../app/showpage.cpp" line="+120"/>
        <location line="+59"/>
        <source>File error</source>
        <translation>File error</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+51"/>
        <location filename="../app/showpage.cpp" line="+1"/>
        <source>Cannot write %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <location line="-43"/>
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
        <location line="+23"/>
        <source>New bootloader + serial:</source>
        <translation>New bootloader + serial:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Open File</source>
        <comment>the upgrade file for Firmware Change</comment>
        <translation>Choose an Upgrade File</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="-213"/>
        <source>Connect OK</source>
        <translation>Connect OK</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+143"/>
        <source>Connect ERROR</source>
        <translation>Connect ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+15"/>
        <source>Read From Lc350</source>
        <translation>Read From Lc420</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+95"/>
        <location line="+31"/>
        <source>Address (hex)</source>
        <translation>Address (hex)</translation>
    </message>
    <message>
        <location line="-122"/>
        <location line="+95"/>
        <location line="+37"/>
        <source>Length (dec)</source>
        <translation>Length (dec)</translation>
    </message>
    <message>
        <location line="-124"/>
        <location line="+7"/>
        <location line="+88"/>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+15"/>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+95"/>
        <location line="+26"/>
        <location line="+15"/>
        <source>Conversion error</source>
        <translation>Conversion error</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open File</source>
        <comment>a binary file to write into the external flash</comment>
        <translation>Choose a File for the External Flash</translation>
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
        <location filename="../service/serviceconsole.cpp" line="-124"/>
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
        <location filename="../service/serviceconsole.cpp" line="+26"/>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+9"/>
        <source>Status: ERROR</source>
        <translation>Status: ERROR</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>StatusSet(%1)</source>
        <translation>Status bit set: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <source>StatusSet() ERROR</source>
        <translation>Setting the status bit failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>StatusClr(%1)</source>
        <translation>Status bit cleared: %1</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+4"/>
        <source>StatusClr() ERROR</source>
        <translation>Clearing the status bit failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+8"/>
        <source>Read External Flash From Lc350</source>
        <translation>Read External Flash From Lc420</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-10"/>
        <source>ReadExternalFlashFromAddress error</source>
        <translation>Reading the external flash failed.</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+31"/>
        <source>Write To External Flash Lc350</source>
        <translation>Write To External Flash Lc420</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data(hex)</source>
        <translation>Data (hex)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>lenght: %1</source>
        <translation>length: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>address: 0x%1</source>
        <translation>address: 0x%1</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-238"/>
        <location line="+49"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB Timeout
Check USB Cable</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>slotUpdateProgramScene</source>
        <translation>Reading the show data from the driver failed. The editor still shows what it showed before.</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="+2"/>
        <location filename="../app/showpage.cpp" line="+50"/>
        <source>WriteExternalFlashToAddress</source>
        <translation>Writing to the driver failed; nothing was lost. Check the USB cable and try again.</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="-67"/>
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
        <location line="+85"/>
        <location line="+27"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location line="+53"/>
        <source>Programs Files (*.pgm)</source>
        <translation>Programs files (*.pgm)</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+53"/>
        <source>Scens Files (*.scn)</source>
        <translation>Scenes files (*.scn)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Loaded %1.</source>
        <translation>Loaded %1.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saved %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Save Programs File</source>
        <translation>Save Programs To File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Scenes File</source>
        <translation>Save Scenes To File</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+11"/>
        <source>Bin (*.bin)</source>
        <translation>Binary files (*.bin)</translation>
    </message>
    <message>
        <location filename="../usb/servicecommands.cpp" line="-33"/>
        <source>Write OK</source>
        <translation>Write OK</translation>
    </message>
    <message>
        <location filename="../service/serviceconsole.cpp" line="+18"/>
        <location line="+5"/>
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
    <message>
        <location line="+8"/>
        <source>ReadExternalFlashFromAddress</source>
        <translation>Reading back the external flash failed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>memcmp</source>
        <translation>The external flash does not hold what was written.</translation>
    </message>
    <message>
        <location filename="../app/editmenu.cpp" line="+23"/>
        <source>Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../app/showpage.cpp" line="+80"/>
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
        <location line="+26"/>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+241"/>
        <source>Click a step, or move with the arrow keys, to show it below. Right-click for the Edit menu.</source>
        <translation>Click a step, or move with the arrow keys, to show it below. Right-click for the &quot;Edit&quot; menu.</translation>
    </message>
    <message>
        <location line="-184"/>
        <source>Program Number</source>
        <translation>Program Number</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Scene Number</source>
        <comment>the step of a program</comment>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+224"/>
        <source>Scene Number</source>
        <translation>Scene Number</translation>
    </message>
    <message>
        <location line="+171"/>
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
        <location line="-430"/>
        <location line="+224"/>
        <source>XFade</source>
        <translation>XFade</translation>
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
        <translation>Scene Time</translation>
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
        <location line="+155"/>
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
        <location filename="../app/startup.cpp" line="+32"/>
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
    <name>QPlatformTheme</name>
    <message>
        <location line="-5"/>
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
        <location filename="../app/showcommands.cpp" line="+31"/>
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
        <location filename="../core/safefile.cpp" line="+15"/>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Could not write %1</source>
        <translation>Could not write %1</translation>
    </message>
</context>
<context>
    <name>Show</name>
    <message>
        <location filename="../show/showcompare.cpp" line="+37"/>
        <source>scene %1</source>
        <translation>scene %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program %1, step %2</source>
        <translation>program %1, step %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>lamp %1</source>
        <translation>lamp %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lamps %1</source>
        <translation>lamps %1</translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location filename="../show/showfile.cpp" line="+125"/>
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
        <location filename="../show/showtransfer.cpp" line="+123"/>
        <source>The driver did not answer, so nothing was transferred. Check the USB cable and try again.</source>
        <translation>The driver did not answer, so nothing was transferred. Check the USB cable and try again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The programs were written, but reading them back from the driver failed. The editor keeps them; press Set again.</source>
        <translation>The programs were written, but reading them back from the driver failed. The editor keeps them; press &quot;Set Programs In Lc420&quot; again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were written, but reading them back from the driver failed. The editor keeps them; press Set again.</source>
        <translation>The scenes were written, but reading them back from the driver failed. The editor keeps them; press &quot;Set Scenes In Lc420&quot; again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the programs from the driver failed. The editor still shows what it showed before.</source>
        <translation>Reading the programs from the driver failed. The editor still shows what it showed before.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the scenes from the driver failed. The editor still shows what it showed before.</source>
        <translation>Reading the scenes from the driver failed. The editor still shows what it showed before.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver holds other programs than were written to it. The editor keeps them; press Set again, and if this repeats, have the driver checked.</source>
        <translation>The driver holds other programs than were written to it. The editor keeps them; press &quot;Set Programs In Lc420&quot; again, and if this repeats, have the driver checked.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The driver holds other scenes than were written to it. The editor keeps them; press Set again, and if this repeats, have the driver checked.</source>
        <translation>The driver holds other scenes than were written to it. The editor keeps them; press &quot;Set Scenes In Lc420&quot; again, and if this repeats, have the driver checked.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The driver answered the same read differently each time, so nothing was taken. The editor still shows what it showed before; check the USB cable and try again.</source>
        <translation>The driver answered the same read differently each time, so nothing was taken. The editor still shows what it showed before; check the USB cable and try again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing the programs to the driver failed. The editor keeps them; press Set again.</source>
        <translation>Writing the programs to the driver failed. The editor keeps them; press &quot;Set Programs In Lc420&quot; again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing the scenes to the driver failed. The editor keeps them; press Set again.</source>
        <translation>Writing the scenes to the driver failed. The editor keeps them; press &quot;Set Scenes In Lc420&quot; again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The programs were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>The programs were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>The scenes were read, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The programs were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>The programs were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The scenes were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</source>
        <translation>The scenes were written, but the driver could not be unlocked afterwards. Unplug it and plug it in again.</translation>
    </message>
    <message>
        <location line="+6"/>
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
</context>
<context>
    <name>Show::OverviewModel</name>
    <message>
        <location filename="../show/overviewmodel.cpp" line="+108"/>
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
        <location filename="../widgets/superrgb.cpp" line="+65"/>
        <source>L: %1</source>
        <translation>L: %1</translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location line="+195"/>
        <source>%1 (red %2, green %3, blue %4)</source>
        <translation>%1 (red %2, green %3, blue %4)</translation>
    </message>
</context>
<context>
    <name>TableCommand</name>
    <message>
        <location filename="../app/showcommands.cpp" line="+46"/>
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
</context>
<context>
    <name>Upgrade</name>
    <message>
        <location filename="../firmware/upgradefile.cpp" line="+75"/>
        <source>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</source>
        <translation>Warning: %1 holds %2 B of data at %3..%4, outside %5..%6; it was ignored.</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <location filename="../firmware/upgradeprocedure.cpp" line="+58"/>
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
        <translation>ERROR</translation>
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
        <translation>Error</translation>
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
        <location line="+73"/>
        <source>Upgrade finished: driver %1 runs the new firmware.</source>
        <translation>Upgrade finished: driver %1 runs the new firmware.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The new firmware was written, verified and started.</source>
        <translation>The new firmware was written, verified and started.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new firmware was written and verified, but driver %1 did not come back running it. Unplug the driver, plug it in again and check that it works.</source>
        <translation>The new firmware was written and verified, but driver %1 did not come back running it. Unplug the driver, plug it in again and check that it works.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</source>
        <translation>The upgrade did not start: the file is not a usable upgrade file. Nothing on the driver was changed.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The upgrade did not start: no driver answered. Check the USB cable and press Firmware Change again.</source>
        <translation>The upgrade did not start: no driver answered. Check the USB cable and start the upgrade again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</source>
        <translation>The upgrade did not start: the driver did not answer as expected. Nothing on it was changed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The upgrade did not start: the driver was told to start its bootloader and did not come back. Its firmware, programs and scenes are unchanged. Check the USB cable, unplug the driver and plug it in again, then press Firmware Change again.</source>
        <translation>The upgrade did not start: the driver was told to start its bootloader and did not come back. Its firmware, programs and scenes are unchanged. Check the USB cable, unplug the driver and plug it in again, then start the upgrade again.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The upgrade did not finish. The driver waits in its bootloader; its programs and scenes are kept. Press Firmware Change and choose the same file again.</source>
        <translation>The upgrade did not finish. The driver waits in its bootloader; its programs and scenes are kept. Start the upgrade again and choose the same file.</translation>
    </message>
</context>
<context>
    <name>UsbDevice</name>
    <message>
        <location filename="../usb/usbdevice.cpp" line="+275"/>
        <source>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</source>
        <translation>Found an Lc420 on bus %1 device %2, but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the package) and plug the driver in again.</translation>
    </message>
</context>
</TS>
