<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Resources</name>
    <message>
        <source>menu129.popup0</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>menu129.57600</source>
        <translation>&amp;New&#x9;Ctrl+N</translation>
    </message>
    <message>
        <source>menu129.57601</source>
        <translation>&amp;Open...&#x9;Ctrl+O</translation>
    </message>
    <message>
        <source>menu129.57602</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>menu129.57603</source>
        <translation>&amp;Save&#x9;Ctrl+S</translation>
    </message>
    <message>
        <source>menu129.57604</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>menu129.57607</source>
        <translation>&amp;Print...&#x9;Ctrl+P</translation>
    </message>
    <message>
        <source>menu129.57609</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>menu129.57606</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>menu129.57665</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>menu129.popup1</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>menu129.32786</source>
        <translation>&amp;Product Information</translation>
    </message>
    <message>
        <source>menu129.32787</source>
        <translation>&amp;Channel Information</translation>
    </message>
    <message>
        <source>menu129.32788</source>
        <translation>&amp;Optional Features</translation>
    </message>
    <message>
        <source>menu129.32781</source>
        <translation>Power Adjust</translation>
    </message>
    <message>
        <source>menu129.32779</source>
        <translation>Parameter Adjust</translation>
    </message>
    <message>
        <source>menu129.popup2</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>menu129.32773</source>
        <translation>&amp;Read    Ctrl+R</translation>
    </message>
    <message>
        <source>menu129.32774</source>
        <translation>&amp;Write   Ctrl+W</translation>
    </message>
    <message>
        <source>menu129.popup3</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>menu129.59392</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>menu129.59393</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>menu129.32780</source>
        <translation>&amp;Control Bar</translation>
    </message>
    <message>
        <source>menu129.popup4</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>menu129.32777</source>
        <translation>&amp;Com Setup</translation>
    </message>
    <message>
        <source>menu129.32799</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>menu129.popup5</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>menu129.57664</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>menu129.32825</source>
        <translation>&amp;Import Channels...</translation>
    </message>
    <message>
        <source>menu129.32826</source>
        <translation>&amp;Export Channels...</translation>
    </message>
    <message>
        <source>menu129.57643</source>
        <translation>&amp;Undo&#x9;Ctrl+Z</translation>
    </message>
    <message>
        <source>menu129.57644</source>
        <translation>&amp;Redo&#x9;Ctrl+Y</translation>
    </message>
    <message>
        <source>menu129.57635</source>
        <translation>Cu&amp;t&#x9;Ctrl+X</translation>
    </message>
    <message>
        <source>menu129.57634</source>
        <translation>Cop&amp;y&#x9;Ctrl+C</translation>
    </message>
    <message>
        <source>menu129.57637</source>
        <translation>Pa&amp;ste&#x9;Ctrl+V</translation>
    </message>
    <message>
        <source>menu129.32820</source>
        <translation>&amp;Insert Channel</translation>
    </message>
    <message>
        <source>menu129.32821</source>
        <translation>&amp;Delete Channel</translation>
    </message>
    <message>
        <source>menu129.32822</source>
        <translation>&amp;Move Channel Up</translation>
    </message>
    <message>
        <source>menu129.32823</source>
        <translation>Move Channel Do&amp;wn</translation>
    </message>
    <message>
        <source>menu129.32824</source>
        <translation>C&amp;lear Channel</translation>
    </message>
    <message>
        <source>menu128.popup0</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>menu128.57600</source>
        <translation>&amp;New&#x9;Ctrl+N</translation>
    </message>
    <message>
        <source>menu128.57601</source>
        <translation>&amp;Open...&#x9;Ctrl+O</translation>
    </message>
    <message>
        <source>menu128.57606</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>menu128.57665</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>menu128.popup1</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>menu128.59392</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>menu128.59393</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>menu128.popup2</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>menu128.57664</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>string128</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>string129</source>
        <translation>&#xa;&#xa;&#xa;*.dat&#xa;.dat&#xa;Program.Document&#xa;Program Document</translation>
    </message>
    <message>
        <source>string57344</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>string57345</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>string57600</source>
        <translation>Clear the channel data and start from the defaults&#xa;New</translation>
    </message>
    <message>
        <source>string57601</source>
        <translation>Open a data file&#xa;Open</translation>
    </message>
    <message>
        <source>string57602</source>
        <translation>Hide the channel window&#xa;Close</translation>
    </message>
    <message>
        <source>string57603</source>
        <translation>Save the data to a file&#xa;Save</translation>
    </message>
    <message>
        <source>string57604</source>
        <translation>Save the data to a file under a new name&#xa;Save As</translation>
    </message>
    <message>
        <source>string57606</source>
        <translation>Choose the printer and its options&#xa;Print Setup</translation>
    </message>
    <message>
        <source>string57607</source>
        <translation>Print the channels and the optional features&#xa;Print</translation>
    </message>
    <message>
        <source>string57609</source>
        <translation>Show the printed pages on screen&#xa;Print Preview</translation>
    </message>
    <message>
        <source>string57665</source>
        <translation>Quit the program&#xa;Exit</translation>
    </message>
    <message>
        <source>string57664</source>
        <translation>Show the program's version and copyright&#xa;About</translation>
    </message>
    <message>
        <source>string57670</source>
        <translation>Show the help&#xa;Help</translation>
    </message>
    <message>
        <source>string57680</source>
        <translation>Switch to the next window&#xa;Next Window</translation>
    </message>
    <message>
        <source>string57681</source>
        <translation>Switch to the previous window&#xa;Previous Window</translation>
    </message>
    <message>
        <source>string59392</source>
        <translation>Show or hide the tool bar&#xa;Toolbar</translation>
    </message>
    <message>
        <source>string59393</source>
        <translation>Show or hide the status bar&#xa;Status Bar</translation>
    </message>
    <message>
        <source>string32780</source>
        <translation>Show or hide the navigation bar&#xa;Control Bar</translation>
    </message>
    <message>
        <source>string32773</source>
        <translation>Read Data From Radio&#xa;Read</translation>
    </message>
    <message>
        <source>string32774</source>
        <translation>Write Data To Radio&#xa;Write</translation>
    </message>
    <message>
        <source>string32786</source>
        <translation>Choose the radio model and its frequency band&#xa;Product Information</translation>
    </message>
    <message>
        <source>string32787</source>
        <translation>Show the channel window&#xa;Channel Information</translation>
    </message>
    <message>
        <source>string32788</source>
        <translation>Edit the radio-wide options&#xa;Optional Features</translation>
    </message>
    <message>
        <source>string32781</source>
        <translation>Adjust the transmit power table&#xa;Power Adjust</translation>
    </message>
    <message>
        <source>string32779</source>
        <translation>Adjust the squelch, receiver and transmitter parameters&#xa;Parameter Adjust</translation>
    </message>
    <message>
        <source>string32777</source>
        <translation>Choose the serial port of the programming cable&#xa;Com Setup</translation>
    </message>
    <message>
        <source>string32799</source>
        <translation>Choose the language of the program&#xa;Language</translation>
    </message>
    <message>
        <source>string32825</source>
        <translation>Fill the channel table from a CSV channel list&#xa;Import Channels</translation>
    </message>
    <message>
        <source>string32826</source>
        <translation>Save the channels in use as a CSV channel list&#xa;Export Channels</translation>
    </message>
    <message>
        <source>string57643</source>
        <translation>Undo the last change to the channel table&#xa;Undo</translation>
    </message>
    <message>
        <source>string57644</source>
        <translation>Redo the change undone last&#xa;Redo</translation>
    </message>
    <message>
        <source>string57635</source>
        <translation>Cut the selected cells to the clipboard&#xa;Cut</translation>
    </message>
    <message>
        <source>string57634</source>
        <translation>Copy the selected cells to the clipboard&#xa;Copy</translation>
    </message>
    <message>
        <source>string57637</source>
        <translation>Paste the clipboard into the channel table&#xa;Paste</translation>
    </message>
    <message>
        <source>string32820</source>
        <translation>Insert an empty channel; the channels below move down&#xa;Insert Channel</translation>
    </message>
    <message>
        <source>string32821</source>
        <translation>Delete the channel; the channels below move up&#xa;Delete Channel</translation>
    </message>
    <message>
        <source>string32822</source>
        <translation>Move the channel up one row&#xa;Move Channel Up</translation>
    </message>
    <message>
        <source>string32823</source>
        <translation>Move the channel down one row&#xa;Move Channel Down</translation>
    </message>
    <message>
        <source>string32824</source>
        <translation>Clear the channel&#xa;Clear Channel</translation>
    </message>
    <message>
        <source>string57616</source>
        <translation>Open this data file&#xa;Recent File</translation>
    </message>
    <message>
        <source>string57617</source>
        <translation>Open this data file&#xa;Recent File</translation>
    </message>
    <message>
        <source>string57618</source>
        <translation>Open this data file&#xa;Recent File</translation>
    </message>
    <message>
        <source>string57619</source>
        <translation>Open this data file&#xa;Recent File</translation>
    </message>
    <message>
        <source>string59137</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>string59138</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>string59139</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>string61448</source>
        <translation>Out of range,please input again.</translation>
    </message>
    <message>
        <source>string61452</source>
        <translation>All data will be Cleared!</translation>
    </message>
    <message>
        <source>string61456</source>
        <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
    <message>
        <source>string61458</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>dialog100.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog131</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>dialog131.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog131.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog132</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>dialog132.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog132.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog134</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>dialog134.1006</source>
        <translation>English</translation>
    </message>
    <message>
        <source>dialog134.1007</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>dialog134.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog134.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog136</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>dialog136.group1</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>dialog136.1013.label</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>dialog136.1014.label</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>dialog136.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog136.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog138</source>
        <translation>Power Adjustment</translation>
    </message>
    <message>
        <source>dialog138.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog138.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog138.1006</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>dialog138.1007</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>dialog139</source>
        <translation>Param Adjust</translation>
    </message>
    <message>
        <source>dialog139.group1</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>dialog139.group2</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>dialog139.group3</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>dialog139.1008.label</source>
        <translation>SQL close threshold</translation>
    </message>
    <message>
        <source>dialog139.1009.label</source>
        <translation>Narrow SQL threshold</translation>
    </message>
    <message>
        <source>dialog139.1014.label</source>
        <translation>MIC1 Gain</translation>
    </message>
    <message>
        <source>dialog139.1023.label</source>
        <translation>MIC2 Gain</translation>
    </message>
    <message>
        <source>dialog139.1024.label</source>
        <translation>MIC3 Gain</translation>
    </message>
    <message>
        <source>dialog139.1018.label</source>
        <translation>Max Deviation</translation>
    </message>
    <message>
        <source>dialog139.1019.label</source>
        <translation>Ctcss Deviation</translation>
    </message>
    <message>
        <source>dialog139.1022.label</source>
        <translation>Dcs Deviation</translation>
    </message>
    <message>
        <source>dialog139.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog139.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog139.1006</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>dialog139.1007</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>dialog144</source>
        <translation>Port Setting</translation>
    </message>
    <message>
        <source>dialog144.group1</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>dialog144.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog144.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog181</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>dialog181.1027.label</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>dialog181.1</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dialog181.2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>menu129.32940</source>
        <translation>Open &amp;Backup...</translation>
    </message>
    <message>
        <source>menu129.32941</source>
        <translation>Compare &amp;With...</translation>
    </message>
    <message>
        <source>menu129.32942</source>
        <translation>&amp;Verify After Write</translation>
    </message>
    <message>
        <source>menu129.32943</source>
        <translation>Serial &amp;Trace</translation>
    </message>
    <message>
        <source>menu128.32940</source>
        <translation>Open &amp;Backup...</translation>
    </message>
    <message>
        <source>string32940</source>
        <translation>Open a backup of an image read from a radio&#xa;Open Backup</translation>
    </message>
    <message>
        <source>string32941</source>
        <translation>List what differs between the open document and a data file&#xa;Compare With</translation>
    </message>
    <message>
        <source>string32942</source>
        <translation>Read the radio back after each Write and compare&#xa;Verify After Write</translation>
    </message>
    <message>
        <source>string32943</source>
        <translation>Keep the serial line's bytes of the last transfer in a file&#xa;Serial Trace</translation>
    </message>
</context>
</TS>
