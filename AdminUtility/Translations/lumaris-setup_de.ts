<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright © %1 Orvanta.
All rights reserved.</source>
        <translation>Copyright © %1 Orvanta.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AboutSettings</name>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Purchased From:</source>
        <translation>Gekauft bei:</translation>
    </message>
    <message>
        <source>Seller Phone Number:</source>
        <translation>Telefon des Händlers:</translation>
    </message>
    <message>
        <source>Seller Email:</source>
        <translation>E-Mail des Händlers:</translation>
    </message>
    <message>
        <source>Purchase Date:</source>
        <translation>Kaufdatum:</translation>
    </message>
    <message>
        <source>Driver Information</source>
        <translation>Treiberinformationen</translation>
    </message>
    <message>
        <source>Driver:</source>
        <translation>Treiber:</translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation>Letzte Aktualisierung:</translation>
    </message>
    <message>
        <source>Status Report:</source>
        <translation>Statusbericht:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>This generates a detailed status report for later reference.</source>
        <translation>Erstellt einen ausführlichen Statusbericht zum späteren Nachschlagen.</translation>
    </message>
    <message>
        <source>Product Notes</source>
        <translation>Produktnotizen</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>Save Status Report</source>
        <translation>Statusbericht speichern</translation>
    </message>
    <message>
        <source>Status report files (*.html)</source>
        <translation>Statusberichte (*.html)</translation>
    </message>
</context>
<context>
    <name>AddByIpAddressWidget</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
</context>
<context>
    <name>AdminUtilityWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>CapabilityTables</name>
    <message>
        <source>Embedded</source>
        <translation>Embedded</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>XLR</source>
        <translation>XLR</translation>
    </message>
    <message>
        <source>RCA</source>
        <extracomment>Keep as &quot;RCA&quot;: the audio input row shows &quot;HIFI&quot; in its place on hi-fi models.</extracomment>
        <translation>RCA</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Letterbox</source>
        <translation>Letterbox</translation>
    </message>
    <message>
        <source>Anamorphic</source>
        <translation>Anamorph</translation>
    </message>
    <message>
        <source>Pillarbox</source>
        <translation>Pillarbox</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>HD 720p to HD 1080i</source>
        <translation>HD 720p nach HD 1080i</translation>
    </message>
    <message>
        <source>Center Cut</source>
        <translation>Center Cut</translation>
    </message>
    <message>
        <source>16:9 Zoom</source>
        <translation>16:9-Zoom</translation>
    </message>
    <message>
        <source>14:9 Zoom</source>
        <translation>14:9-Zoom</translation>
    </message>
    <message>
        <source>UHD 2160p to HD 1080p</source>
        <translation>UHD 2160p nach HD 1080p</translation>
    </message>
    <message>
        <source>Top and Bottom</source>
        <translation>Top-and-Bottom</translation>
    </message>
    <message>
        <source>Frame Packing</source>
        <translation>Frame Packing</translation>
    </message>
    <message>
        <source>Side by Side</source>
        <translation>Side-by-Side</translation>
    </message>
    <message>
        <source>Left Eye</source>
        <translation>Linkes Auge</translation>
    </message>
    <message>
        <source>Line by Line</source>
        <translation>Zeilenweise</translation>
    </message>
    <message>
        <source>Right Eye</source>
        <translation>Rechtes Auge</translation>
    </message>
</context>
<context>
    <name>CardFooter</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>This Example Device needs a Software Update.</source>
        <translation>Dieses Beispielgerät benötigt eine Softwareaktualisierung.</translation>
    </message>
    <message>
        <source>Before you can edit the settings of this Example Device, it must be updated to the latest software version.</source>
        <translation>Bevor Sie die Einstellungen dieses Beispielgeräts bearbeiten können, muss es auf die neueste Softwareversion aktualisiert werden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Updating Example Device...</source>
        <translation>Beispielgerät wird aktualisiert...</translation>
    </message>
    <message>
        <source>Do not unplug this Example Device while the update is in progress.</source>
        <translation>Trennen Sie dieses Beispielgerät nicht, solange die Aktualisierung läuft.</translation>
    </message>
    <message>
        <source>This Example Device has been updated.</source>
        <translation>Dieses Beispielgerät wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Updating the Example Device software failed.</source>
        <translation>Die Aktualisierung der Software des Beispielgeräts ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>CommonDialogCard</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akzeptieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ConnectingStatusPage</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
</context>
<context>
    <name>DisplayModeText</name>
    <message>
        <source>8-bit ARGB</source>
        <translation>8-Bit-ARGB</translation>
    </message>
    <message>
        <source>8-bit YUV 4:2:2</source>
        <translation>8-Bit-YUV 4:2:2</translation>
    </message>
    <message>
        <source>8-bit BGRA</source>
        <translation>8-Bit-BGRA</translation>
    </message>
    <message>
        <source>10-bit RGB BE&apos;</source>
        <translation>10-Bit-RGB BE&apos;</translation>
    </message>
    <message>
        <source>10-bit RGB LE</source>
        <translation>10-Bit-RGB LE</translation>
    </message>
    <message>
        <source>12-bit RGB BE</source>
        <translation>12-Bit-RGB BE</translation>
    </message>
    <message>
        <source>12-bit RGB LE</source>
        <translation>12-Bit-RGB LE</translation>
    </message>
    <message>
        <source>10-bit RGB</source>
        <translation>10-Bit-RGB</translation>
    </message>
    <message>
        <source>10-bit YUV 4:2:2</source>
        <translation>10-Bit-YUV 4:2:2</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Eingerastet</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>DotsWidget</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Device %1 of %2</source>
        <translation>Gerät %1 von %2</translation>
    </message>
</context>
<context>
    <name>MarlixFamily</name>
    <message>
        <source>Marlix</source>
        <translation>Marlix</translation>
    </message>
</context>
<context>
    <name>MarlixSettingsPage</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>MarlixStatusReport</name>
    <message>
        <source>en</source>
        <comment>language code of the report&apos;s HTML, e.g. de</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Orvanta System Report</source>
        <translation>Orvanta-Systembericht</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>Systemkonfiguration</translation>
    </message>
    <message>
        <source>Machine Name</source>
        <translation>Rechnername</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Physical Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Physical Processors</source>
        <translation>Physische Prozessoren</translation>
    </message>
    <message>
        <source>Lumaris %1</source>
        <translation>Lumaris %1</translation>
    </message>
    <message>
        <source>Video Input</source>
        <translation>Videoeingang</translation>
    </message>
    <message>
        <source>Video Output</source>
        <translation>Videoausgang</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>HDMI EDID Data Received</source>
        <translation>Empfangene HDMI-EDID-Daten</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Capture 1080p as PsF</source>
        <translation>1080p als PsF aufnehmen</translation>
    </message>
    <message>
        <source>Output 1080p as PsF</source>
        <translation>1080p als PsF ausgeben</translation>
    </message>
    <message>
        <source>4:4:4 RGB</source>
        <translation>4:4:4 RGB</translation>
    </message>
    <message>
        <source>Video Options</source>
        <translation>Videooptionen</translation>
    </message>
    <message>
        <source>PCI</source>
        <translation>PCI</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Thunderbolt</source>
        <translation>Thunderbolt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Device Interface</source>
        <translation>Geräteschnittstelle</translation>
    </message>
    <message>
        <source>Link Width</source>
        <translation>Link-Breite</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>2.5 Gbps</source>
        <translation>2,5 Gbit/s</translation>
    </message>
    <message>
        <source>5 Gbps</source>
        <translation>5 Gbit/s</translation>
    </message>
    <message>
        <source>8 Gbps</source>
        <translation>8 Gbit/s</translation>
    </message>
    <message>
        <source>Link Speed</source>
        <translation>Link-Geschwindigkeit</translation>
    </message>
    <message>
        <source>PCIe Status</source>
        <translation>PCIe-Status</translation>
    </message>
    <message>
        <source>Hardware Model</source>
        <translation>Hardwaremodell</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
</context>
<context>
    <name>MarlixVisibleDevicesListViewWidget</name>
    <message>
        <source>PRODUCT</source>
        <translation>PRODUKT</translation>
    </message>
    <message>
        <source>LABEL</source>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>VIDEO IN</source>
        <translation>VIDEOEINGANG</translation>
    </message>
    <message>
        <source>OUTPUT FORMAT</source>
        <translation>AUSGABEFORMAT</translation>
    </message>
    <message>
        <source>GENLOCK</source>
        <translation>GENLOCK</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
</context>
<context>
    <name>NeedingFirmwareUpdateStatusPage</name>
    <message>
        <source>This device needs updating</source>
        <translation>Dieses Gerät muss aktualisiert werden</translation>
    </message>
</context>
<context>
    <name>ProductCard</name>
    <message>
        <source>No device specific details</source>
        <translation>Keine gerätespezifischen Angaben</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Orvanta Lumaris Setup</source>
        <translation>Orvanta Lumaris Setup</translation>
    </message>
    <message>
        <source>Lumaris Setup</source>
        <translation>Lumaris Setup</translation>
    </message>
    <message>
        <source>About Orvanta Lumaris Setup</source>
        <translation>Über Orvanta Lumaris Setup</translation>
    </message>
    <message>
        <source>10.9.5</source>
        <translation>10.9.5</translation>
    </message>
    <message>
        <source>No Lumaris Device Detected.</source>
        <translation>Kein Lumaris-Gerät erkannt.</translation>
    </message>
    <message>
        <source>Please check that your product is connected via Thunderbolt, USB3, or PCIe and is powered on.</source>
        <translation>Bitte prüfen Sie, ob Ihr Produkt über Thunderbolt, USB3 oder PCIe angeschlossen und eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Add a Lumaris</source>
        <translation>Lumaris hinzufügen</translation>
    </message>
    <message>
        <source>No Lumaris found</source>
        <translation>Kein Lumaris gefunden</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Jump to</source>
        <translation>Gehe zu</translation>
    </message>
</context>
<context>
    <name>ViewSelectionBar</name>
    <message>
        <source>Gallery view</source>
        <translation>Galerieansicht</translation>
    </message>
    <message>
        <source>List view</source>
        <translation>Listenansicht</translation>
    </message>
</context>
<context>
    <name>VisibleDevicesWidget</name>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Previous device</source>
        <translation>Vorheriges Gerät</translation>
    </message>
    <message>
        <source>Next device</source>
        <translation>Nächstes Gerät</translation>
    </message>
    <message>
        <source>Open device</source>
        <translation>Gerät öffnen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Control application</source>
        <translation>Steuerungsprogramm</translation>
    </message>
    <message>
        <source>Software update available.</source>
        <translation>Softwareaktualisierung verfügbar.</translation>
    </message>
    <message>
        <source>Software is up to date.</source>
        <translation>Die Software ist auf dem neuesten Stand.</translation>
    </message>
</context>
<context>
    <name>VisibleMarlix</name>
    <message>
        <source>Marlix</source>
        <translation>Marlix</translation>
    </message>
</context>
<context>
    <name>VisibleMarlixSummaryWidget</name>
    <message>
        <source>VIDEO INPUT</source>
        <translation>VIDEOEINGANG</translation>
    </message>
    <message>
        <source>VIDEO OUTPUT</source>
        <translation>VIDEOAUSGANG</translation>
    </message>
    <message>
        <source>REF INPUT</source>
        <translation>REF-EINGANG</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
</context>
</TS>
