# -*- coding: utf-8 -*-
# Run from the source folder: python3 scripts/make_help_texts.py data
# Writes data/trellox.hlp and data/zel3.hlp (code page 850, CR LF).
import sys, re

T = {}  # number -> (picture or None, [lines])

def h(n, lines, pic=None):
    assert n % 5 == 0 and n not in T
    assert 1 <= len(lines) <= 5, n
    T[n] = (pic, lines)

# ---------------------------------------------------------------- zel3.hlp
h(8010, [
 "Druckkraft F in N (Newton), mit der die beiden Körper senkrecht zur Berührfläche aufeinander gepresst werden; erlaubt sind 0 bis 1e9 N. Die Kraft wird immer in N eingegeben, auch bei US-Einheiten.",
 "Aus F berechnet das Programm die Halbachsen a1 und a2 der Druckfläche (bei Punktberührung proportional zu F^(1/3), bei Linienberührung zu F^(1/2)), die Annäherung w der Körper und die maximale Pressung p max.",
 "Die Federrate R ist die Sekante aus den Verformungen bei 0,99·F und 1,01·F: R = 0,02·F/(w(1,01·F) - w(0,99·F)). Schubspannung tau, ihre Tiefe z, Sigma y und Sigma z folgen aus p max und a1.",
 "Die Diagramme w, R und p max = f(F) laufen von 0 bis 2·F; der Betriebspunkt F ist darin als Kreis markiert.",
 "F = 0 (auch ein Text, der keine Zahl ist) ergibt \"Fatal  : F = 0 !\". Abbrechen behält die alte Kraft.",
], "kraft")
h(8260, [
 "Ausgabe der Zeichnung: Das gewählte Blatt wird auf die gewählte Ausgabeart geschrieben: DXF-Datei, IGES-Datei, Kontrollausgabe auf dem Bildschirm, Plot über den Konverter KAVROT oder TXT-Liste.",
 "Bei DXF, IGES und TXT wählen Sie den Dateinamen; vorgeschlagen wird der Projektname im CAD-Ordner der Einstellungen.",
 "Layer, Farben, Linienarten und Strichstärken kommen aus den Einstellungen (Seiten CAD und Farben).",
])
h(8270, [
 "Wählen Sie das Blatt: \"Geometrie\" ist eine maßstäbliche Skizze der beiden Körper im Berührpunkt in Vorder- und Seitenansicht mit Mittellinien.",
 "\"Tabelle\" zeigt die Hauptergebnisse F, E*, a1, a2, w, R und p max. \"Formblatt\" ist ein A4-Blatt mit Geometrie, Tabelle, Rahmen und Schriftfeld (Zeichnungsinfo, Änderungen).",
 "\"zurück ..\" beendet die Auswahl. Nach dem Zeichnen wird wieder gefragt, so dass mehrere Blätter nacheinander ausgegeben werden können.",
 "Ist die letzte Berechnung fehlgeschlagen, erscheint statt der Zeichnung die Liste der Meldungen.",
], "blatt")
h(9010, [
 "Geometrie der beiden Körper: Wählen Sie für Körper 1 und 2 die Form Kugel, Zylinder, Spezial oder (nur Körper 2) Ebene und geben Sie die Maße in mm ein (in inch nach \"mm <--> inch\").",
 "Kugel: Durchmesser d, es gilt rx = ry = d/2. Zylinder: Durchmesser d und tragende Länge L, rx = d/2 und ry = 0 (Linienberührung); bei zwei Zylindern zählt die kleinere Länge. Ebene: rx = ry = 0.",
 "Spezial: Hauptkrümmungsradien rx und ry in den beiden Hauptebenen; 0 heißt eben, ein negativer Radius hohl (konkav), z.B. die Rille eines Lagerrings. Alle Radien 0 ergibt \"Fatal  : r = 0 !\".",
 "Aus den Krümmungen 1/r berechnet das Programm Krümmungssumme und -differenz, den Hilfswinkel und die Halbachsen a1, a2 der Druckellipse. Härtetiefen Eht und Rht gelten für den Durchmesser von Körper 1.",
 "Gesperrt (OK nicht möglich) sind Zylinder mit Kugel, Zylinder mit Spezial und Kugel mit Zylinder. Das Hilfebild zeigt die Körperformen mit rx, ry und die Druckellipse.",
], "koerper")
h(9020, [
 "Werkstoffe der beiden Körper: Werkstoffnummer (max. 9 Zeichen) und Name (max. 18 Zeichen) dokumentieren den Werkstoff; mit \"Datenbank...\" wählen Sie ihn aus der Werkstoffdatenbank.",
 "E: Elastizitätsmodul in N/mm² (MPa), z.B. Stahl 210000. µ: Querkontraktionszahl, z.B. Stahl 0,3. Gerechnet wird mit E* = 2·E1·E2/(E1+E2) und (1 - µ²) mit dem Mittelwert der beiden µ.",
 "Rm: Zugfestigkeit, Re: Streckgrenze in N/mm². Zulässige Pressung p zul = 1,67·min(Re1, Re2); ist p max größer, meldet die Berechnung \"Fehler : pmax > pzul !\". Re = 0 ergibt p zul = 0.",
 "Die Oberflächenhärtetiefe Rht = 140·Dw/min(Re1, Re2) braucht beide Streckgrenzen. pHstat und pHdyn (zulässige Hertz'sche Pressung) kommen nur aus der Datenbank.",
 "E = 0 ergibt \"Fatal  : E = 0 !\". \"MPa <--> psi\" schaltet die Anzeige um; gespeichert wird immer in N/mm².",
], "werkstof")
h(9510, [
 "Werkstoff-Basisdaten (wst1base.dbf), geordnet nach dem ersten Index: je Zeile ein Werkstoff mit Werkstoffnummer, Name, Zugfestigkeit Rm, Streckgrenze Re, Elastizitätsmodul E und Querkontraktionszahl µ.",
 "Bei der Auswahl für einen Körper übernimmt OK die markierte Zeile: Nummer, Name, E, µ, Rm und Re. pHstat und pHdyn werden zur Nummer aus zel3wst.dbf gelesen; fehlt die Nummer dort, gilt 0 (keine Prüfung).",
 "Abbrechen lässt den Körper unverändert. Suchen findet einen Begriff in allen Spalten, Weitersuchen sucht ab der aktuellen Zeile weiter.",
])
h(9520, [
 "Werkstoff-Basisdaten (wst1base.dbf), geordnet nach dem zweiten Index (wst1bas1): dieselben Werkstoffe wie in der Basistabelle, nur anders sortiert.",
 "Bei der Auswahl für einen Körper übernimmt OK die markierte Zeile: Nummer, Name, E, µ, Rm und Re. pHstat und pHdyn werden zur Nummer aus zel3wst.dbf gelesen; fehlt die Nummer dort, gilt 0 (keine Prüfung).",
 "Abbrechen lässt den Körper unverändert. Suchen findet einen Begriff in allen Spalten, Weitersuchen sucht ab der aktuellen Zeile weiter.",
])
h(9530, [
 "Zulässige Hertz'sche Pressungen (zel3wst.dbf): je Werkstoffnummer die statisch zulässige Pressung pHstat und die dynamisch zulässige Pressung pHdyn in N/mm².",
 "Liegt p max über pHstat oder pHdyn eines Körpers, meldet die Berechnung \"Fehler : pmax > pHstat\" bzw. \"Fehler : pmax > pHdyn\" mit der Körpernummer. Der Wert 0 schaltet die Prüfung ab.",
 "Die Werte werden bei der Werkstoffauswahl über die Werkstoffnummer zugeordnet; Änderungen hier wirken bei der nächsten Auswahl eines Werkstoffs.",
])

# ---------------------------------------------------------------- trellox.hlp
h(1040, [
 "Gespeicherte Druckeinstellungen (printout.dbf): je Zeile Maßstab x und y, Ursprung x und y in mm, Querformat, Monochrom, anpassen (an die Seite) und Umrandung.",
 "OK übernimmt die markierte Zeile in den Druckdialog; mit \"Übernehmen Datenbank\" speichern Sie die aktuellen Werte des Druckdialogs als Zeile.",
])
h(1050, [
 "Ausgabe auf ..: Wählen Sie das Ziel des Berichts: Bildschirm (Textfenster), Textdrucker (Druckerschnittstelle), Datei (Textdatei, Name wird abgefragt), Windows-Drucker oder externes Textprogramm.",
 "\"TXT File\" schreibt die Tabellen mit Tabulatoren für eine Tabellenkalkulation, \"HTML File\" eine Web-Seite, die im Browser geöffnet wird.",
 "Voreingestellt ist das Ausgabeformat der Einstellungen (Seite Ausdruck); dort schalten Sie auch die Abfrage ab.",
])
h(1060, [
 "Pause nach jeder Seite ?  Ja: nach jeder Druckseite wird angehalten, damit ein neues Blatt eingelegt werden kann. Nein: durchgehender Ausdruck.",
 "Die Zeilen je Seite und die Druckerschnittstelle stellen Sie in den Einstellungen ein. Steht eine Datei TEXT.TRP im Arbeitsverzeichnis, werden ihre Steuerzeichen vorab an den Drucker gesendet.",
])
h(1070, [
 "Name der Ausgabedatei: Der Bericht wird als Textdatei geschrieben (Endung .txt). Eine vorhandene Datei wird erst nach Rückfrage überschrieben.",
 "Zusätzlich entsteht im temporären Ordner die Kopie outwin.txt für andere Programme.",
])
h(1120, [
 "Passwort (User) eingeben: Im Mehrbenutzerbetrieb ist das Kürzel (max. 8 Zeichen) der Name Ihres Unterordners im Datenordner (Default Data Directory); dort liegen Ihre Projekte.",
 "Ein unbekanntes oder leeres Kürzel beendet das Programm. Abschalten: Einstellungen, Seite Einstellungen, \"Usereingabe bei Programmstart\".",
])
h(1210, [
 "Die Berechnung hat Warnungen oder Fehler gemeldet. Wählen Sie eine Meldung, um Ursache und Abhilfe zu sehen; \"Weiter/zurück...\" schließt die Liste.",
 "\"Fatal  :\" heißt, die Berechnung war nicht möglich (z.B. E = 0, F = 0, alle Radien 0, Zylinderlänge 0); Ergebnisse und Zeichnungen fehlen dann.",
 "\"Fehler :\" heißt, ein Grenzwert ist überschritten (p max > p zul, pHstat oder pHdyn); die Ergebnisse sind gültig, das Bauteil ist aber zu hoch belastet.",
])
h(2070, [
 "Meldungen der letzten Berechnung: Wählen Sie eine Meldung, um Ursache und Abhilfe aus der Beschreibungsdatei zu sehen; \"Weiter/zurück...\" schließt die Liste.",
 "\"Fatal  :\" heißt, die Berechnung war nicht möglich und es gibt keine Ergebnisse; \"Fehler :\" heißt, ein Grenzwert der Pressung ist überschritten, die Ergebnisse sind aber gültig.",
 "Mit Hilfegrad 2 (Einstellungen) beginnt die Auswahl bei der ersten Meldung, sonst bei \"Weiter/zurück...\".",
])
h(1555, [
 "Farben der Diagramm-Layer 16 bis 31: Farbnummer 1 bis 16 (rot, gelb, grün, ...) und Strichstärke je Layer. Doppelklick oder der Farbknopf öffnet die Farbauswahl.",
 "Die Diagramme benutzen Layer 17 für Achsen und Raster, 18 für Sigma z, 19 für Kurve und Legende, 20 für Sigma y und 21 für tau und den Betriebspunkt.",
])
h(1605, [
 "Arbeitsverzeichnis: der Ordner, in dem das Programm gerade arbeitet (nur Anzeige). Projektdateien ohne Ordnerangabe und die Datei TEXT.TRP werden hier gesucht.",
 "Die übrigen Ordner (Datenbank, Hilfebilder, temporär, Daten, CAD) stellen Sie mit \"...\" ein; sie werden mit den Einstellungen gespeichert.",
])
h(1910, [
 "Layer 1 bis 5 der Zeichnungen: Name (max. 32 Zeichen), Farbe und Strichstärke. Layer 5 sind die Körperkanten (0,5 mm), 4 und 3 dünnere Volllinien, 2 gestrichelte (verdeckte) Kanten, 1 die Mittellinien.",
 "\"Layer Monochrom\" zeichnet alle Layer in einer Farbe. Die Knöpfe \"<\" setzen je Zeile die Vorgabe.",
])
h(1920, [
 "CAD-Einstellungen: Textstil (Schriftname im CAD-System), Textbreitenfaktor und Textwinkel der CAD-Texte, Anzahl der Dezimalstellen in DXF- und TXT-Dateien.",
 "Text Type: OEM lässt Umlaute unverändert, ANSI wandelt sie in den Windows-Zeichensatz, \"Ä->Ae, ß->ss\" schreibt sie mit zwei Buchstaben.",
 "\"Diagrammgrenzen abfragen\" lässt vor jeder CAD-Ausgabe eines Diagramms die Achsgrenzen eingeben. \"Freigabefeld\" ist der Text der vierten Zeile im Schriftfeld.",
])
h(1930, [
 "Textausdruck: Form der Trennzeilen, Zeilen je Seite, Leerzeilen am Seitenanfang, Datumsformat, voreingestelltes Ausgabeformat und ob es abgefragt wird, Schrift für den Windows-Drucker.",
 "Einheit: metrisch (mm, N, MPa) oder englisch (in, lbf, psi); das Umschalten ändert nur Anzeige und Eingabe, gerechnet wird immer metrisch.",
 "Textfenster: Lage und Größe des Fensters für die Bildschirmausgabe.",
])
h(1935, [
 "Grafikausdruck: Maßstab x und y, Ursprung in mm, Umrandung, Monochrom oder farbig, Hoch- oder Querformat; \"Ausgabeformat abfragen\" zeigt vor jedem Ausdruck den Druckdialog.",
 "Druckerschnittstelle für Textausdruck: LPT1 bis LPT4 (unter Linux /dev/lp0 bis /dev/lp3).",
])
h(1940, [
 "Grafik: farbige oder einfarbige Bildschirmgrafik, Größe der Zeichenfläche in Pixel (0 = ganzer Bildschirm), Schrift, Textbreiten- und Texthöhenfaktor, Hintergrundfarbe.",
 "Zoomfaktor und Pan-Faktor bestimmen die Schritte der Tasten + und - und der Pfeiltasten. Dialogfenster Größe und Dialogelemente Größe skalieren alle Dialoge in Prozent.",
])
h(1950, [
 "Diagrammgrenzen: Geben Sie den kleinsten und größten Wert der x-Achse (Kraft) und der y-Achse ein. Das Programm rundet die Grenzen auf eine Teilung in Schritten von 1, 2 oder 5 mal einer Zehnerpotenz.",
 "\"Calculate\" setzt die automatisch berechneten Grenzen ein. Abbrechen zeichnet mit den automatischen Grenzen.",
 "Die Abfrage erscheint nur bei CAD-Ausgabe und wenn \"Diagrammgrenzen abfragen\" in den Einstellungen eingeschaltet ist. Das Hilfebild zeigt die Diagrammarten.",
], "diagramm")
h(1970, [
 "Fehlermeldung mit Ursache und Abhilfe aus der Beschreibungsdatei zel3.err im Hilfe-Ordner.",
 "Ursache und Abhilfe können Sie hier ergänzen; bei OK wird gefragt, ob die Änderung in der Beschreibungsdatei gespeichert werden soll.",
])
h(2050, [
 "CAD-Code: Ausgabeart der Zeichnung: DXF (für CAD-Systeme), IGES, Kontrollausgabe auf dem Bildschirm, Ausgabe auf Laserprinter/Plotter mit dem Konverter KAVROT oder TXT (Liste aller Elemente mit Tabulatoren).",
 "Bei DXF, IGES und TXT wird nach dem Dateinamen gefragt; bei KAVROT folgt die Wahl der Kommandozeile des Konverters.",
])
h(2055, [
 "KAVROT: Wählen Sie die Kommandozeile für den Plot-Konverter. Der Konverter liest die Datei kavrot.dxf aus dem temporären Ordner und gibt sie auf Laserdrucker, Plotter oder in eine Datei aus.",
 "Die Kommandozeilen werden in den Einstellungen gespeichert (Seite Einstellungen, \"KAVROT Command Lines\").",
])
h(2060, [
 "KAVROT-Kommandozeile: Programm und Parameter des Plot-Konverters, max. 60 Zeichen. Geben Sie 0 ein, um die Parameter Schritt für Schritt abzufragen.",
])
h(2080, [
 "Programmverzeichnis des Konverters: Ordner, in dem wkavrot.exe bzw. kavrot.exe steht. Es wird so lange gefragt, bis das Programm dort gefunden wird; Abbrechen beendet die Eingabe.",
])
h(2090, [
 "Ausgabeformat des Konverters: HP-GL für Laserjet (HPL), Postscript (PS), HP-GL für Plotter (PLT), HP-GL/2 (PL2) oder Aristo (ART).",
])
h(2110, [
 "Ausgabeschnittstelle des Konverters: seriell (COM-Port), parallel (LPT-Port) oder Datei.",
])
h(2120, [
 "Nummer der Schnittstelle 1 bis 4 (COM1..COM4 bzw. LPT1..LPT4), an der Drucker oder Plotter angeschlossen ist.",
])
h(2130, [
 "Name der Ausgabedatei des Konverters (max. 30 Zeichen); leer lässt den Konverter seinen eigenen Namen wählen.",
])
h(2140, [
 "Maßstab der Plotausgabe, 0 bis 1000; 1 ist 1:1. 0 passt die Zeichnung an das Blatt an.",
])
h(2145, [
 "Plot um 90 Grad drehen ?  Ja dreht die Zeichnung auf dem Blatt, z.B. für ein Querformat auf einem Hochformat-Drucker.",
])
h(2150, [
 "Nullpunktverschiebung der Plotausgabe in x- bzw. y-Richtung in mm; 0 lässt den Nullpunkt unverändert.",
])
h(2160, [
 "Textbreitenfaktor der Plotausgabe, 0,1 bis 10; 1 lässt die Textbreite unverändert.",
])
h(2170, [
 "Die Kommandozeile ist länger als 60 Zeichen und wird deshalb in eine Batch-Datei geschrieben. Name der Batch-Datei ohne Endung .bat, max. 20 Zeichen, ohne Punkt.",
 "Abbrechen behält die lange Kommandozeile.",
])
h(2280, [
 "Postscript-Zeichensatz: Name der Postscript-Schrift für die Texte der Plotausgabe (max. 28 Zeichen), z.B. Helvetica oder Courier.",
])
h(2300, [
 "Hilfebilder: Die Liste zeigt die Bilder des Index zel3.dbh im Hilfe-Ordner (PLT Ordner der Einstellungen) mit Dateiname und Information. Wählen Sie eine Zeile, um das Bild zu zeigen.",
 "Die Zeilen am Ende der Liste erweitern, löschen, ändern oder ergänzen den Index; \"HP-GL/2 drucken/plotten\" sendet ein Bild an einen Drucker oder Plotter. OK beendet die Bildanzeige.",
 "Die Bilder sind HP-GL-Dateien (.plt) im Hilfe-Ordner.",
])
h(2310, [
 "Erweitern: Wählen Sie eine HP-GL-Datei (.plt) im Hilfe-Ordner und geben Sie eine Information zum Bild ein (max. 50 Zeichen). Das Bild wird am Ende des Index angefügt.",
])
h(2320, [
 "Löschen: Die gewählte Zeile wird aus dem Index entfernt. Die Bilddatei selbst bleibt erhalten.",
])
h(2330, [
 "Ändern: Wählen Sie die zu ändernde Zeile und geben Sie den Dateinamen des Bildes ohne Endung .plt ein (max. 8 Zeichen).",
])
h(2340, [
 "Information zum Hilfebild: kurzer Text (max. 50 Zeichen), der in der Liste der Hilfebilder hinter dem Dateinamen steht.",
])
h(2350, [
 "Einfügen: Wählen Sie die Zeile, vor der das neue Bild eingefügt wird, dann die HP-GL-Datei (.plt) und die Information zum Bild.",
])
h(2360, [
 "HP-GL/2 drucken/plotten: Wählen Sie das Bild. Die Datei wird unverändert an die Druckerschnittstelle gesendet; der Drucker oder Plotter muss HP-GL bzw. HP-GL/2 verstehen.",
])
h(2365, [
 "Druckerschnittstelle 1 bis 4 (LPT1 bis LPT4, unter Linux /dev/lp0 bis /dev/lp3), an der der HP-GL-fähige Drucker oder Plotter angeschlossen ist.",
])
h(2370, [
 "Steuersequenz vorausschicken ?  Ja für Laserdrucker mit HP-GL/2: vor dem Bild wird der Drucker zurückgesetzt und in den HP-GL/2-Modus geschaltet, danach zurück in den Druckermodus, so dass die Seite ausgegeben wird.",
 "Nein für Stiftplotter, die HP-GL direkt verstehen.",
])
h(2450, [
 "Suchbegriff eingeben (max. 50 Zeichen): Gesucht wird ab der ersten Zeile der Tabelle in allen Spalten; \"Weitersuchen\" sucht ab der aktuellen Zeile mit demselben Begriff weiter.",
])
h(2600, [
 "Änderungen der Zeichnung: \"neu\" legt eine Änderung mit heutigem Datum an (max. 25), \"ändern\" bearbeitet die letzte, \"löschen\" entfernt die letzte Änderung.",
 "\"anzeigen\" zeigt die Änderungsliste auf dem Bildschirm, \"Ausdruck\" gibt sie über den Bericht aus, \"Zeichnungsinfo\" öffnet Freigabe und Texte der Zeichnung. Die Änderungen erscheinen im Schriftfeld des Formblatts.",
])
h(2710, [
 "Programm, mit dem das verknüpfte Dokument geöffnet wird (max. 50 Zeichen), z.B. ein Textprogramm oder xdg-open für das Standardprogramm des Desktops.",
])
h(2720, [
 "Datei des verknüpften Dokuments (max. 50 Zeichen), die das Programm öffnen soll, z.B. ein Datenblatt oder eine Tabelle zum Projekt.",
])
h(2730, [
 "Verknüpfte Dokumente: Bis zu fünf Paare aus Programm und Datei, die im Menü Documentation mit \"Document 1\" bis \"Document 5\" geöffnet werden.",
 "Die Verknüpfungen werden mit der Projektdatei gespeichert. \"...\" öffnet die Dateiauswahl.",
])
h(3000, [
 "Änderung: Änderungstext (max. 20 Zeichen), Datum (max. 10 Zeichen, \"<\" setzt das heutige Datum), Kürzel des Bearbeiters (max. 5 Zeichen) und eine Beschreibung beliebiger Länge.",
 "Die Änderungen stehen im Schriftfeld des Formblatts und in der Projektdatei.",
])
h(3010, [
 "Zeichnungsinfo: \"Ersatz für\" und \"Ersetzt durch\" (max. 15 Zeichen) sowie Datum und Name für Bearbeitet, Geprüft, Norm und Freigabe im Schriftfeld; \"<\" setzt das heutige Datum.",
 "Die Tabelle Texte nimmt bis zu 8 frei platzierte Texte der Zeichnung auf: Position x, y, Höhe h und Winkel phi in Grad sowie der Text.",
])
h(3055, [
 "Die Datei existiert bereits. Ja überschreibt sie, Nein oder Abbrechen lässt sie unverändert und bricht das Speichern ab.",
])
h(3400, [
 "Tabelle: Ein Klick auf eine Spaltenüberschrift sortiert nach dieser Spalte. OK übernimmt die gewählte Zeile, z.B. öffnet sie in der Ergebnistabelle über alle Dateien das Projekt dieser Zeile.",
 "\"Export Excel\" schreibt die Tabelle in eine neue Tabellenkalkulation.",
])

def fmt_num(n):
    return "%04d" % n

def check_line(l, n):
    m = re.match(r"^ *[+-]?\d+$", l[:4])
    assert not m, (n, l)
    assert len(l.encode("cp850")) < 255, (n, len(l), l)

def write(path, numbers):
    out = []
    for n in sorted(numbers):
        pic, lines = T[n]
        out.append(fmt_num(n) + ((":" + pic) if pic else ""))
        for l in lines:
            check_line(l, n)
            out.append(l)
    data = "\r\n".join(out) + "\r\n"
    open(path, "wb").write(data.encode("cp850"))

d = sys.argv[1]
write(d + "/trellox.hlp", [n for n in T if n < 4000])
write(d + "/zel3.hlp", [n for n in T if n >= 4000])
print(len(T), "entries")
