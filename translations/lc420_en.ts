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
    <name>Lc460_bootloader</name>
    <message>
        <location filename="../app/lc460_bootloader.cpp" line="+21"/>
        <source>Lc420 ver. </source>
        <translation>Lc420 ver. </translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware upgrade in progress</source>
        <translation>Firmware upgrade in progress</translation>
    </message>
    <message>
        <location filename="../app/firmwareslots.cpp" line="+29"/>
        <location line="+30"/>
        <location line="+65"/>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location line="-95"/>
        <location line="+30"/>
        <source>Hex (*.hex)</source>
        <translation>Hex (*.hex)</translation>
    </message>
    <message>
        <location line="-21"/>
        <location line="+55"/>
        <source>HexToBin error: %1)</source>
        <translation>HexToBin error: %1)</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+55"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+81"/>
        <source>Upg (*.upg)</source>
        <translation>Upg (*.upg)</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+51"/>
        <source>File error</source>
        <translation>File error</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+51"/>
        <source>Cannot write %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Production year</source>
        <translation>Production year</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Year(YY)</source>
        <translation>Year(YY)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production mont</source>
        <translation>Production mont</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month(MM)</source>
        <translation>Month(MM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production day</source>
        <translation>Production day</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day(DD)</source>
        <translation>Day(DD)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Production number</source>
        <translation>Production number</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number(NNN)</source>
        <translation>Number(NNN)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Counter</source>
        <translation>Counter</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>New bootloader + serial:</source>
        <translation>New bootloader + serial:</translation>
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
        <translation>Flash %p%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash write %p%</source>
        <translation>External flash write %p%</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>External flash verify %p%</source>
        <translation>External flash verify %p%</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Firmware Change</source>
        <translation>Firmware Change</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WritePage</source>
        <translation>WritePage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExtFlashBin</source>
        <translation>WriteExtFlashBin</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>RunApplication</source>
        <translation>RunApplication</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>WriteExternalFlash</source>
        <translation>WriteExternalFlash</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ReadExternalFlash</source>
        <translation>ReadExternalFlash</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateUpg</source>
        <translation>CreateUpg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CreateBootBin</source>
        <translation>CreateBootBin</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusClr</source>
        <translation>StatusClr</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusGet</source>
        <translation>StatusGet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>StatusSet</source>
        <translation>StatusSet</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Program Number</source>
        <translation>Program Number</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+217"/>
        <source>Scene Number</source>
        <translation>Scene Number</translation>
    </message>
    <message>
        <location line="-197"/>
        <location line="+217"/>
        <source>XFade</source>
        <translation>XFade</translation>
    </message>
    <message>
        <location line="-204"/>
        <location line="+217"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="-210"/>
        <location line="+217"/>
        <source>Scene Time</source>
        <translation>Scene Time</translation>
    </message>
    <message>
        <location line="-204"/>
        <location line="+217"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>End Marker</source>
        <translation>End Marker</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Get Programs Form Lc460</source>
        <translation>Get Programs Form Lc460</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Programs In Lc460</source>
        <translation>Set Programs In Lc460</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Programs From FIle</source>
        <translation>Load Programs From FIle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Programs To File</source>
        <translation>Save Programs To File</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scenes</source>
        <translation>Scenes</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Get Scenes Form Lc460</source>
        <translation>Get Scenes Form Lc460</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Scenes In Lc460</source>
        <translation>Set Scenes In Lc460</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load Scenes From File</source>
        <translation>Load Scenes From File</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save Scenes To File</source>
        <translation>Save Scenes To File</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lc420 - info</source>
        <translation>Lc420 - info</translation>
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
    <name>SafeFile</name>
    <message>
        <location filename="../core/safefile.cpp" line="+16"/>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Could not write %1</source>
        <translation>Could not write %1</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <location filename="../firmware/upgradeprocedure.cpp" line="+53"/>
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
        <location line="+91"/>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB Timeout
Check USB Cable</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>Bootloader Version Read Error</source>
        <translation>Bootloader Version Read Error</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bootloader mode</source>
        <translation>Bootloader mode</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+56"/>
        <source>Serial:</source>
        <translation>Serial:</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Writting firmware ... </source>
        <translation>Writting firmware ... </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Apllication mode</source>
        <translation>Apllication mode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset device</source>
        <translation>Reset device</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>USB timout
Check USB cable</source>
        <translation>USB timout
Check USB cable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+12"/>
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
        <translation>Writting External Flash ... </translation>
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
        <translation>read_buffer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ext_datas.data()</source>
        <translation>ext_datas.data()</translation>
    </message>
</context>
</TS>
