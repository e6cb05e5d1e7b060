<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MarlixSettingsPage</name>
    <message>
        <source>Video Output</source>
        <translation>Videoausgang</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Wandlungen</translation>
    </message>
</context>
<context>
    <name>ConversionsSettings</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>HD (1080) to SD</source>
        <translation>HD (1080) auf SD</translation>
    </message>
    <message>
        <source>HD (720) to SD</source>
        <translation>HD (720) auf SD</translation>
    </message>
    <message>
        <source>SD to HD</source>
        <translation>SD auf HD</translation>
    </message>
    <message>
        <source>HD to SD</source>
        <translation>HD auf SD</translation>
    </message>
    <message>
        <source>SD to HD 720p</source>
        <translation>SD auf HD 720p</translation>
    </message>
    <message>
        <source>SD to HD 1080i</source>
        <translation>SD auf HD 1080i</translation>
    </message>
    <message>
        <source>HD 720 to HD 1080</source>
        <translation>HD 720 auf HD 1080</translation>
    </message>
    <message>
        <source>2K to SD</source>
        <translation>2K auf SD</translation>
    </message>
    <message>
        <source>UHD 2160p to HD 1080p</source>
        <translation>UHD 2160p auf HD 1080p</translation>
    </message>
    <message>
        <source>Input Conversion</source>
        <translation>Eingangswandlung</translation>
    </message>
    <message>
        <source>Input conversion:</source>
        <translation>Eingangswandlung:</translation>
    </message>
    <message>
        <source>Output Conversion</source>
        <translation>Ausgangswandlung</translation>
    </message>
    <message>
        <source>Output conversion:</source>
        <translation>Ausgangswandlung:</translation>
    </message>
    <message>
        <source>Display As:</source>
        <translation>Darstellung:</translation>
    </message>
    <message>
        <source>Convert Analog Outputs</source>
        <translation>Analoge Ausgänge wandeln</translation>
    </message>
</context>
<context>
    <name>VideoOutputSettings</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Default video standard:</source>
        <translation>Standard-Videonorm:</translation>
    </message>
    <message>
        <source>Startup Video Output will use this setting.</source>
        <translation>Der Videoausgang verwendet diese Einstellung beim Start.</translation>
    </message>
    <message>
        <source>When paused:</source>
        <translation>Bei Pause:</translation>
    </message>
    <message>
        <source>Display a full frame on video output</source>
        <translation>Vollbild am Videoausgang zeigen</translation>
    </message>
    <message>
        <source>Display a single field on video output</source>
        <translation>Einzelnes Halbbild am Videoausgang zeigen</translation>
    </message>
    <message>
        <source>Video playback:</source>
        <translation>Videowiedergabe:</translation>
    </message>
    <message>
        <source>Displays black output when not playing</source>
        <translation>Schwarzbild, wenn keine Wiedergabe läuft</translation>
    </message>
    <message>
        <source>Displays freeze frame when not playing</source>
        <translation>Standbild, wenn keine Wiedergabe läuft</translation>
    </message>
    <message>
        <source>During capture:</source>
        <translation>Bei Aufnahme:</translation>
    </message>
    <message>
        <source>Video output displays playback video</source>
        <translation>Videoausgang zeigt das Wiedergabevideo</translation>
    </message>
    <message>
        <source>Video output displays input video</source>
        <translation>Videoausgang zeigt das Eingangsvideo</translation>
    </message>
    <message>
        <source>SDI Output</source>
        <translation>SDI-Ausgang</translation>
    </message>
    <message>
        <source>Color space:</source>
        <translation>Farbraum:</translation>
    </message>
    <message>
        <source>Video is converted to RGB 4:4:4:4</source>
        <translation>Video wird in RGB 4:4:4:4 gewandelt</translation>
    </message>
    <message>
        <source>Video is converted to Y, Cb, Cr 4:2:2</source>
        <translation>Video wird in Y, Cb, Cr 4:2:2 gewandelt</translation>
    </message>
    <message>
        <source>3G-SDI formats:</source>
        <translation>3G-SDI-Formate:</translation>
    </message>
    <message>
        <source>Are output as SMPTE Level A</source>
        <translation>Werden als SMPTE Level A ausgegeben</translation>
    </message>
    <message>
        <source>Are output as SMPTE Level B (Normal)</source>
        <translation>Werden als SMPTE Level B ausgegeben (normal)</translation>
    </message>
    <message>
        <source>1080p HD and 2K:</source>
        <translation>1080p HD und 2K:</translation>
    </message>
    <message>
        <source>Are output as 1080p progressive video</source>
        <translation>Werden als 1080p progressiv ausgegeben</translation>
    </message>
    <message>
        <source>Are output as 1080PsF segmented video</source>
        <translation>Werden als 1080PsF segmentiert ausgegeben</translation>
    </message>
    <message>
        <source>Single Link</source>
        <translation>Single Link</translation>
    </message>
    <message>
        <source>Dual Link</source>
        <translation>Dual Link</translation>
    </message>
    <message>
        <source>Quad Link</source>
        <translation>Quad Link</translation>
    </message>
    <message>
        <source>SDI connector:</source>
        <translation>SDI-Anschluss:</translation>
    </message>
    <message>
        <source>HDMI Output</source>
        <translation>HDMI-Ausgang</translation>
    </message>
    <message>
        <source>3D output:</source>
        <translation>3D-Ausgabe:</translation>
    </message>
    <message>
        <source>Analog Video Output</source>
        <translation>Analoger Videoausgang</translation>
    </message>
    <message>
        <source>Analog Video Output Levels</source>
        <translation>Pegel des analogen Videoausgangs</translation>
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
    <message>
        <source>Use Betacam Levels</source>
        <translation>Betacam-Pegel verwenden</translation>
    </message>
    <message>
        <source>NTSC IRE:</source>
        <translation>NTSC IRE:</translation>
    </message>
    <message>
        <source>0.0 (Japan)</source>
        <translation>0,0 (Japan)</translation>
    </message>
    <message>
        <source>7.5 (USA)</source>
        <translation>7,5 (USA)</translation>
    </message>
    <message>
        <source>The NTSC IRE option on the Video Input tab will be changed accordingly.</source>
        <translation>Die NTSC-IRE-Einstellung auf der Registerkarte „Videoeingang“ wird entsprechend angepasst.</translation>
    </message>
    <message>
        <source>Reference Input</source>
        <translation>Referenzeingang</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
</context>
</TS>
