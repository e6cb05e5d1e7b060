<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioSettings</name>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Analog Audio Output Levels</source>
        <translation>Analoge Audio-Ausgangspegel</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Audioeingang</translation>
    </message>
    <message>
        <source>Analog Audio</source>
        <translation>Analoges Audio</translation>
    </message>
    <message>
        <source>Use HiFi Audio Levels</source>
        <translation>HiFi-Audiopegel verwenden</translation>
    </message>
    <message>
        <source>Analog Audio Input Levels</source>
        <translation>Analoge Audio-Eingangspegel</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Input Level:</source>
        <translation>Eingangspegel:</translation>
    </message>
    <message>
        <source>Use +48V Phantom Power</source>
        <translation>+48V-Phantomspeisung verwenden</translation>
    </message>
    <message>
        <source>WARNING: Please check that your microphone requires +48V Phantom Power,</source>
        <translation>ACHTUNG: Bitte prüfen Sie, ob Ihr Mikrofon +48V-Phantomspeisung benötigt,</translation>
    </message>
    <message>
        <source>otherwise you can cause damage to your microphone.</source>
        <translation>andernfalls kann Ihr Mikrofon beschädigt werden.</translation>
    </message>
    <message>
        <source>Audio Outputs:</source>
        <translation>Audioausgänge:</translation>
    </message>
    <message>
        <source>Set Analog Audio Output:</source>
        <translation>Analoge Ausgänge:</translation>
    </message>
    <message>
        <source>4 Analog &amp; 2 AES/EBU</source>
        <translation>4 analog &amp; 2 AES/EBU</translation>
    </message>
    <message>
        <source>2 Analog &amp; 6 AES/EBU</source>
        <translation>2 analog &amp; 6 AES/EBU</translation>
    </message>
    <message>
        <source>Headphone</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Output Level:</source>
        <translation>Ausgangspegel:</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Kanal %1:</translation>
    </message>
</context>
<context>
    <name>ConnectorsSettings</name>
    <message>
        <source>Connector Mapping</source>
        <translation>Anschlusszuordnung</translation>
    </message>
    <message>
        <source>Connector:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>SDI %1 &amp; SDI %2</source>
        <translation>SDI %1 &amp; SDI %2</translation>
    </message>
    <message>
        <source>SDI %1</source>
        <translation>SDI %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>DeckControlConnectionsSettings</name>
    <message>
        <source>RS422</source>
        <translation>RS422</translation>
    </message>
    <message>
        <source>Port selection:</source>
        <translation>Portauswahl:</translation>
    </message>
    <message>
        <source>Remote 1</source>
        <translation>Remote 1</translation>
    </message>
    <message>
        <source>Remote 2</source>
        <translation>Remote 2</translation>
    </message>
</context>
<context>
    <name>VideoInputSettings</name>
    <message>
        <source>Input Connection</source>
        <translation>Eingangsanschluss</translation>
    </message>
    <message>
        <source>Use XLR Timecode Input</source>
        <translation>XLR-Timecode-Eingang verwenden</translation>
    </message>
    <message>
        <source>SDI Input</source>
        <translation>SDI-Eingang</translation>
    </message>
    <message>
        <source>1080p HD and 2K:</source>
        <translation>1080p HD und 2K:</translation>
    </message>
    <message>
        <source>Captured as 1080p progressive video</source>
        <translation>Als progressives 1080p-Video aufnehmen</translation>
    </message>
    <message>
        <source>Captured as 1080PsF segmented video</source>
        <translation>Als segmentiertes 1080PsF-Video aufnehmen</translation>
    </message>
    <message>
        <source>Analog Video Input Levels</source>
        <translation>Analoge Video-Eingangspegel</translation>
    </message>
    <message>
        <source>Analog Video Input</source>
        <translation>Analoger Videoeingang</translation>
    </message>
    <message>
        <source>NTSC IRE:</source>
        <translation>NTSC IRE:</translation>
    </message>
    <message>
        <source>0.0 (Japan)</source>
        <translation>0.0 (Japan)</translation>
    </message>
    <message>
        <source>7.5 (USA)</source>
        <translation>7.5 (USA)</translation>
    </message>
    <message>
        <source>The NTSC IRE option on the Video Output tab will be changed accordingly.</source>
        <translation>Die NTSC-IRE-Einstellung auf der Registerkarte „Videoausgang“ wird entsprechend angepasst.</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Chroma:</source>
        <translation>Chroma:</translation>
    </message>
    <message>
        <source>Cb:</source>
        <translation>Cb:</translation>
    </message>
    <message>
        <source>Cr:</source>
        <translation>Cr:</translation>
    </message>
</context>
<context>
    <name>MarlixSettingsPage</name>
    <message>
        <source>Video Input</source>
        <translation>Videoeingang</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
</context>
</TS>
