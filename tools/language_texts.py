"""Interface texts of the Arvent map editor, German and English side by side.

Each section is one run of consecutive text ids; make_language_files.py lays them out.
Hand-written sections come first (the menu bar must open the file), then sections composed
from the vocabulary tables below, then the tips and the quick guide.
"""

# --- German grammar helpers -------------------------------------------------------------
# Genders: "m", "f", "n"; "p" marks nouns used in the plural only (goods such as "Bretter").

_DEF = {
    "nom": {"m": "der", "f": "die", "n": "das", "p": "die"},
    "acc": {"m": "den", "f": "die", "n": "das", "p": "die"},
    "dat": {"m": "dem", "f": "der", "n": "dem", "p": "den"},
}


class Noun:
    def __init__(self, de, gender, de_plural, en, en_plural=None, genitive=None):
        self.de = de
        self.gender = gender
        self.de_plural = de_plural
        self.en = en
        self.en_plural = en_plural or en + "s"
        self._genitive = genitive

    def the(self, case="nom"):
        return f"{_DEF[case][self.gender]} {self.de}"

    def The(self, case="nom"):
        text = self.the(case)
        return text[0].upper() + text[1:]

    @property
    def genitive(self):
        """Genitive singular with its article ("des Sägewerks", "der Mühle")."""
        if self._genitive:
            return self._genitive
        if self.gender == "f":
            return f"der {self.de}"
        ending = "es" if self.de[-1] in "sßxz" else "s"
        return f"des {self.de}{ending}"

    @property
    def in_the(self):
        """"in" with the dative article, contracted as German does: "im Sägewerk", "in der Mühle"."""
        return ("in der " if self.gender == "f" else "im ") + self.de

    @property
    def pronoun(self):
        return {"m": "Er", "f": "Sie", "n": "Es", "p": "Sie"}[self.gender]


# --- Hand-written sections --------------------------------------------------------------
# The first text of the German file is "Datei": the language check of the tool looks for it.

MENU_BAR = [
    ("Datei", "File"),
    ("Bearbeiten", "Edit"),
    ("Ansicht", "View"),
    ("Karte", "Map"),
    ("Werkzeuge", "Tools"),
    ("Szenario", "Scenario"),
    ("Fenster", "Window"),
    ("Hilfe", "Help"),
]

FILE_MENU = [
    ("Neue Karte...\tStrg+N", "New Map...\tCtrl+N"),
    ("Karte öffnen...\tStrg+O", "Open Map...\tCtrl+O"),
    ("Zuletzt geöffnete Karten", "Recently Opened Maps"),
    ("Speichern\tStrg+S", "Save\tCtrl+S"),
    ("Speichern unter...", "Save As..."),
    ("Als Vorlage speichern...", "Save as Template..."),
    ("Höhenkarte importieren...", "Import Heightmap..."),
    ("Höhenkarte exportieren...", "Export Heightmap..."),
    ("Minikarte als Bild exportieren...", "Export Minimap as Image..."),
    ("Karte im Spiel testen\tF5", "Test Map in the Game\tF5"),
    ("Übersichtskarte drucken...\tStrg+P", "Print Overview Map...\tCtrl+P"),
    ("Editor beenden", "Exit the Editor"),
]

EDIT_MENU = [
    ("Rückgängig\tStrg+Z", "Undo Last Step\tCtrl+Z"),
    ("Wiederholen\tStrg+Y", "Redo Last Step\tCtrl+Y"),
    ("Ausschneiden\tStrg+X", "Cut\tCtrl+X"),
    ("Kopieren\tStrg+C", "Copy\tCtrl+C"),
    ("Einfügen\tStrg+V", "Paste\tCtrl+V"),
    ("Löschen\tEntf", "Delete Selection\tDel"),
    ("Alles auswählen\tStrg+A", "Select All\tCtrl+A"),
    ("Auswahl aufheben", "Deselect All"),
    ("Auswahl umkehren", "Invert Selection"),
    ("Suchen...\tStrg+F", "Find on Map...\tCtrl+F"),
    ("Optionen...", "Editor Options..."),
]

VIEW_MENU = [
    ("Raster anzeigen\tG", "Show Grid\tG"),
    ("Höhenlinien anzeigen", "Show Contour Lines"),
    ("Minikarte anzeigen", "Show Minimap"),
    ("Werkzeugleiste anzeigen", "Show Toolbar"),
    ("Statusleiste anzeigen", "Show Status Bar"),
    ("Eigenschaftenfenster anzeigen", "Show Properties Panel"),
    ("Vergrößern\t+", "Zoom In\t+"),
    ("Verkleinern\t-", "Zoom Out\t-"),
    ("Ganze Karte zeigen", "Show the Whole Map"),
    ("Kamera nach links drehen\tQ", "Rotate Camera Left\tQ"),
    ("Kamera nach rechts drehen\tE", "Rotate Camera Right\tE"),
    ("Nachtansicht", "Night-Time View"),
    ("Gebäude ausblenden", "Hide Buildings"),
    ("Bäume ausblenden", "Hide Trees"),
    ("Einzugsbereiche anzeigen", "Show Catchment Areas"),
    ("Bauplätze hervorheben", "Highlight Building Sites"),
]

MAP_MENU = [
    ("Karteneigenschaften...", "Map Properties..."),
    ("Kartengröße ändern...", "Resize Map..."),
    ("Karte drehen", "Rotate Map"),
    ("Karte spiegeln", "Mirror Map"),
    ("Zufallskarte erzeugen...", "Generate Random Map..."),
    ("Ganzes Gelände glätten", "Smooth the Whole Terrain"),
    ("Wasserstand festlegen...", "Set the Water Level..."),
    ("Klima und Jahreszeit...", "Climate and Season..."),
    ("Startpositionen...", "Player Start Positions..."),
    ("Karte prüfen\tF7", "Check Map for Errors\tF7"),
]

TOOLS_MENU = [
    ("Anheben\t1", "Raise\t1"),
    ("Absenken\t2", "Lower\t2"),
    ("Ebnen\t3", "Flatten\t3"),
    ("Glätten\t4", "Smooth\t4"),
    ("Bodenbelag malen\t5", "Ground Cover\t5"),
    ("Wald pflanzen\t6", "Plant Forest\t6"),
    ("Fluss ziehen\t7", "Draw River\t7"),
    ("Straße bauen\t8", "Build Road\t8"),
    ("Gebäude setzen\t9", "Place Building\t9"),
    ("Objekte setzen\t0", "Place Objects\t0"),
    ("Radierer\tR", "Eraser\tR"),
    ("Pipette\tI", "Eyedropper\tI"),
    ("Entfernung messen\tM", "Measure Distance\tM"),
    ("Pinselgröße...", "Brush Size..."),
]

SCENARIO_MENU = [
    ("Spieler...", "Players..."),
    ("Siegbedingungen...", "Victory Conditions..."),
    ("Auslöser und Ereignisse...", "Triggers and Events..."),
    ("Startwaren...", "Starting Goods..."),
    ("Diplomatie...", "Diplomacy..."),
    ("Missionstexte...", "Mission Texts..."),
    ("Freigeschaltete Gebäude...", "Unlocked Buildings..."),
]

WINDOW_HELP_MENU = [
    ("Fenster anordnen", "Arrange Windows"),
    ("Standardanordnung", "Default Layout"),
    ("Kurzanleitung\tF1", "Quick Guide\tF1"),
    ("Tastenkürzel", "Keyboard Shortcuts"),
    ("Tipp des Tages", "Tip of the Day"),
    ("Über den Karteneditor...", "About the Map Editor..."),
]

TOOLBAR_TIPS = [
    ("Neue Karte anlegen", "Create a new map"),
    ("Karte öffnen", "Open a map"),
    ("Karte speichern", "Save the map"),
    ("Letzten Schritt rückgängig machen", "Undo the last step"),
    ("Rückgängig gemachten Schritt wiederholen", "Redo the undone step"),
    ("Gelände anheben: Linke Maustaste gedrückt halten, um Hügel aufzuschütten.",
     "Raise terrain: hold the left mouse button to build up hills."),
    ("Gelände absenken: Linke Maustaste gedrückt halten, um Senken und Täler zu graben.",
     "Lower terrain: hold the left mouse button to dig hollows and valleys."),
    ("Ebnen: Übernimmt die Höhe des ersten angeklickten Feldes für alle überstrichenen Felder.",
     "Flatten: applies the height of the first tile you click to every tile you sweep over."),
    ("Glätten: Gleicht schroffe Höhenunterschiede unter dem Pinsel aus.",
     "Smooth: evens out harsh height differences under the brush."),
    ("Bodenbelag malen: Wählen Sie rechts im Eigenschaftenfenster einen Belag aus.",
     "Paint ground cover: pick a cover in the properties panel on the right."),
    ("Wald pflanzen: Je länger Sie klicken, desto dichter wird der Wald.",
     "Plant forest: the longer you click, the denser the forest grows."),
    ("Fluss ziehen: Klicken Sie auf die Quelle und ziehen Sie bis zur Mündung.",
     "Draw river: click the source and drag to the mouth."),
    ("Straße bauen: Klicken Sie auf Anfang und Ende, der Weg wird selbst gesucht.",
     "Build road: click the start and the end, the route is found automatically."),
    ("Gebäude setzen: Wählen Sie ein Gebäude aus der Liste und klicken Sie auf die Karte.",
     "Place building: choose a building from the list and click on the map."),
    ("Objekte setzen: Felsen, Sträucher, Zäune und Zierrat.",
     "Place objects: rocks, shrubs, fences and ornaments."),
    ("Radierer: Entfernt Gebäude, Straßen und Objekte unter dem Pinsel.",
     "Eraser: removes buildings, roads and objects under the brush."),
    ("Pipette: Übernimmt Belag und Höhe des angeklickten Feldes.",
     "Eyedropper: picks up the cover and height of the clicked tile."),
    ("Entfernung messen: Zeigt die Weglänge zwischen zwei Feldern in Feldern und Gehminuten.",
     "Measure distance: shows the path length between two tiles in tiles and walking minutes."),
    ("Pinsel verkleinern\t[", "Smaller brush\t["),
    ("Pinsel vergrößern\t]", "Larger brush\t]"),
    ("Runder Pinsel", "Round brush"),
    ("Quadratischer Pinsel", "Square brush"),
    ("Weiche Kante", "Soft edge"),
    ("Harte Kante", "Hard edge"),
    ("Stärke", "Strength"),
    ("Größe", "Size"),
    ("Zufallsstreuung", "Random scatter"),
]

STATUS_BAR = [
    ("Bereit", "Ready"),
    ("Feld %d, %d", "Tile %d, %d"),
    ("Höhe: %d m", "Height: %d m"),
    ("Belag: %s", "Cover: %s"),
    ("Besitzer: Spieler %d", "Owner: player %d"),
    ("Besitzer: niemand", "Owner: nobody"),
    ("Zoom: %d %%", "Zoom: %d %%"),
    ("%d Gebäude, %d Objekte, %d Bäume", "%d buildings, %d objects, %d trees"),
    ("Karte wird geladen...", "Loading map..."),
    ("Karte wird gespeichert...", "Saving map..."),
    ("Karte gespeichert.", "Map saved."),
    ("Karte wird geprüft...", "Checking map..."),
    ("Keine Fehler gefunden.", "No errors found."),
    ("%d Fehler und %d Warnungen gefunden.", "%d errors and %d warnings found."),
    ("Gelände wird neu berechnet...", "Recalculating terrain..."),
    ("Minikarte wird erstellt...", "Building minimap..."),
    ("Schatten werden berechnet...", "Calculating shadows..."),
    ("Wege werden gesucht...", "Finding paths..."),
    ("Zufallskarte wird erzeugt: %d %%", "Generating random map: %d %%"),
    ("Ungespeicherte Änderungen", "Unsaved changes"),
    ("Testlauf läuft. Drücken Sie Esc, um zum Editor zurückzukehren.",
     "Test run in progress. Press Esc to return to the editor."),
    ("Auswahl: %d Felder", "Selection: %d tiles"),
    ("Entfernung: %d Felder, etwa %d Gehminuten", "Distance: %d tiles, about %d walking minutes"),
]

COMMON_BUTTONS = [
    ("OK", "OK"),
    ("Abbrechen", "Cancel"),
    ("Übernehmen", "Apply"),
    ("Schließen", "Close"),
    ("Ja", "Yes"),
    ("Nein", "No"),
    ("Hilfe", "Help"),
    ("Zurück", "Back"),
    ("Weiter", "Next"),
    ("Fertig stellen", "Finish"),
    ("Hinzufügen...", "Add..."),
    ("Entfernen", "Remove"),
    ("Umbenennen...", "Rename..."),
    ("Nach oben", "Move Up"),
    ("Nach unten", "Move Down"),
    ("Durchsuchen...", "Browse..."),
    ("Standard", "Default"),
    ("Zurücksetzen", "Reset"),
    ("Vorschau", "Preview"),
    ("Alle", "All"),
    ("Keine", "None"),
    ("Ein", "On"),
    ("Aus", "Off"),
]

NEW_MAP_DIALOG = [
    ("Neue Karte", "New Map"),
    ("Name der Karte:", "Map name:"),
    ("Unbenannte Karte", "Untitled Map"),
    ("Größe:", "Size:"),
    ("Klein (128 × 128 Felder)", "Small (128 × 128 tiles)"),
    ("Mittel (192 × 192 Felder)", "Medium (192 × 192 tiles)"),
    ("Groß (256 × 256 Felder)", "Large (256 × 256 tiles)"),
    ("Riesig (384 × 384 Felder)", "Huge (384 × 384 tiles)"),
    ("Benutzerdefiniert", "Custom"),
    ("Breite:", "Width:"),
    ("Höhe:", "Height:"),
    ("Grundbelag:", "Base cover:"),
    ("Ausgangshöhe:", "Starting height:"),
    ("Klima:", "Climate:"),
    ("Gemäßigt", "Temperate"),
    ("Nordisch", "Nordic"),
    ("Südlich", "Southern"),
    ("Wüstenrand", "Desert fringe"),
    ("Inselreich", "Island realm"),
    ("Mit Wasser umgeben", "Surrounded by water"),
    ("Breite und Höhe müssen zwischen 64 und 512 Feldern liegen.",
     "Width and height must lie between 64 and 512 tiles."),
    ("Breite und Höhe müssen durch 16 teilbar sein.", "Width and height must be divisible by 16."),
]

MAP_PROPERTIES_DIALOG = [
    ("Karteneigenschaften", "Map Properties"),
    ("Allgemein", "General"),
    ("Titel:", "Title:"),
    ("Autor:", "Author:"),
    ("Beschreibung:", "Description:"),
    ("Empfohlene Spielerzahl:", "Recommended players:"),
    ("Schwierigkeit:", "Difficulty:"),
    ("Leicht", "Easy"),
    ("Mittel", "Normal"),
    ("Schwer", "Hard"),
    ("Meister", "Master"),
    ("Vorschaubild:", "Preview image:"),
    ("Vorschaubild aus der Minikarte erzeugen", "Create preview image from the minimap"),
    ("Spielmodus:", "Game mode:"),
    ("Freies Spiel", "Free play"),
    ("Szenario", "Scenario"),
    ("Mehrspieler", "Multiplayer"),
    ("Friedlicher Aufbau", "Peaceful building"),
    ("Jahreszeiten wechseln", "Seasons change"),
    ("Startjahr:", "Starting year:"),
    ("Wetter:", "Weather:"),
    ("Mild", "Mild"),
    ("Wechselhaft", "Changeable"),
    ("Rau", "Harsh"),
    ("Dürren zulassen", "Allow droughts"),
    ("Überschwemmungen zulassen", "Allow floods"),
    ("Seuchen zulassen", "Allow plagues"),
    ("Brände zulassen", "Allow fires"),
    ("Der Titel darf höchstens 48 Zeichen lang sein.", "The title may be at most 48 characters long."),
    ("Die Beschreibung darf höchstens 1000 Zeichen lang sein.",
     "The description may be at most 1000 characters long."),
]

RESIZE_DIALOG = [
    ("Kartengröße ändern", "Resize Map"),
    ("Neue Breite:", "New width:"),
    ("Neue Höhe:", "New height:"),
    ("Verankerung:", "Anchor:"),
    ("Oben links", "Top left"),
    ("Oben", "Top"),
    ("Oben rechts", "Top right"),
    ("Links", "Left"),
    ("Mitte", "Centre"),
    ("Rechts", "Right"),
    ("Unten links", "Bottom left"),
    ("Unten", "Bottom"),
    ("Unten rechts", "Bottom right"),
    ("Neue Felder füllen mit:", "Fill new tiles with:"),
    ("Beim Verkleinern gehen %d Gebäude und %d Objekte am Rand verloren. Fortfahren?",
     "Shrinking removes %d buildings and %d objects at the edge. Continue?"),
]

RANDOM_MAP_DIALOG = [
    ("Zufallskarte erzeugen", "Generate Random Map"),
    ("Startwert:", "Seed:"),
    ("Neuer Startwert", "New seed"),
    ("Landschaft:", "Landscape:"),
    ("Flachland", "Lowlands"),
    ("Hügelland", "Hill country"),
    ("Gebirge", "Mountains"),
    ("Küste", "Coast"),
    ("Inseln", "Islands"),
    ("Seenplatte", "Lake district"),
    ("Waldanteil:", "Forest share:"),
    ("Wasseranteil:", "Water share:"),
    ("Anzahl der Flüsse:", "Number of rivers:"),
    ("Rohstoffe:", "Resources:"),
    ("Spärlich", "Sparse"),
    ("Ausgewogen", "Balanced"),
    ("Reichlich", "Plentiful"),
    ("Symmetrisch für Mehrspielerpartien", "Symmetrical for multiplayer games"),
    ("Die aktuelle Karte wird dabei vollständig ersetzt. Fortfahren?",
     "This completely replaces the current map. Continue?"),
]

PLAYERS_DIALOG = [
    ("Spieler", "Players"),
    ("Spieler %d", "Player %d"),
    ("Name:", "Name:"),
    ("Farbe:", "Colour:"),
    ("Rot", "Red"),
    ("Blau", "Blue"),
    ("Grün", "Green"),
    ("Gelb", "Yellow"),
    ("Violett", "Violet"),
    ("Orange", "Orange"),
    ("Türkis", "Turquoise"),
    ("Weiß", "White"),
    ("Steuerung:", "Control:"),
    ("Mensch", "Human"),
    ("Computer", "Computer"),
    ("Offen", "Open"),
    ("Geschlossen", "Closed"),
    ("Charakter des Computerspielers:", "Computer player personality:"),
    ("Händler", "Trader"),
    ("Baumeister", "Builder"),
    ("Eroberer", "Conqueror"),
    ("Einsiedler", "Hermit"),
    ("Startposition:", "Start position:"),
    ("Startposition auf der Karte wählen", "Pick the start position on the map"),
    ("Team:", "Team:"),
    ("Kein Team", "No team"),
    ("Team %d", "Team %d"),
    ("Startgold:", "Starting gold:"),
    ("Eine Karte braucht mindestens einen menschlichen Spieler.",
     "A map needs at least one human player."),
    ("Spieler %d hat noch keine Startposition.", "Player %d has no start position yet."),
    ("Zwei Spieler dürfen nicht dieselbe Farbe haben.", "Two players must not share a colour."),
]

DIPLOMACY_DIALOG = [
    ("Diplomatie", "Diplomacy"),
    ("Beziehung zu Spieler %d:", "Relation to player %d:"),
    ("Krieg", "War"),
    ("Neutral", "Neutral"),
    ("Handelspartner", "Trading partner"),
    ("Bündnis", "Alliance"),
    ("Beziehung darf sich im Spiel ändern", "Relation may change during the game"),
    ("Tribut verlangen", "Demand tribute"),
    ("Geschenk senden", "Send gift"),
    ("Bündnisse sind nur zwischen Spielern desselben Teams möglich.",
     "Alliances are only possible between players of the same team."),
]

VICTORY_DIALOG = [
    ("Siegbedingungen", "Victory Conditions"),
    ("Sieg, wenn", "Victory when"),
    ("alle Bedingungen erfüllt sind", "all conditions are met"),
    ("eine der Bedingungen erfüllt ist", "any condition is met"),
    ("Niederlage, wenn", "Defeat when"),
    ("das Rathaus zerstört wird", "the town hall is destroyed"),
    ("die Bevölkerung unter %d sinkt", "the population drops below %d"),
    ("das Zeitlimit abläuft", "the time limit runs out"),
    ("Zeitlimit:", "Time limit:"),
    ("%d Jahre", "%d years"),
    ("Kein Zeitlimit", "No time limit"),
    ("Bedingung hinzufügen", "Add condition"),
    ("Bedingung entfernen", "Remove condition"),
    ("Bevölkerung von mindestens %d Einwohnern", "Population of at least %d citizens"),
    ("Zufriedenheit von mindestens %d %%", "Contentment of at least %d %%"),
    ("Stadtkasse von mindestens %d Goldstücken", "Treasury of at least %d gold pieces"),
    ("Alle Gegner besiegt", "All opponents defeated"),
    ("Alle Verbündeten überleben", "All allies survive"),
    ("Ruhm von mindestens %d Punkten", "Fame of at least %d points"),
    ("Eine Karte im Spielmodus Szenario braucht mindestens eine Siegbedingung.",
     "A map in scenario mode needs at least one victory condition."),
]

TRIGGER_DIALOG = [
    ("Auslöser und Ereignisse", "Triggers and Events"),
    ("Neuer Auslöser", "New trigger"),
    ("Auslöser kopieren", "Copy trigger"),
    ("Auslöser löschen", "Delete trigger"),
    ("Name des Auslösers:", "Trigger name:"),
    ("Bedingung:", "Condition:"),
    ("Ereignisse:", "Events:"),
    ("Nur einmal auslösen", "Fire only once"),
    ("Verzögerung:", "Delay:"),
    ("%d Monate", "%d months"),
    ("Gilt für:", "Applies to:"),
    ("Alle Spieler", "All players"),
    ("Nur menschliche Spieler", "Human players only"),
    ("Auslöser: Spielbeginn", "Trigger: start of game"),
    ("Auslöser: Jahr %d erreicht", "Trigger: year %d reached"),
    ("Auslöser: Bevölkerung erreicht %d", "Trigger: population reaches %d"),
    ("Auslöser: Gebiet betreten", "Trigger: area entered"),
    ("Auslöser: Anderer Auslöser ausgelöst", "Trigger: another trigger fired"),
    ("Ereignis: Nachricht anzeigen", "Event: show message"),
    ("Ereignis: Kamera auf Feld richten", "Event: point camera at tile"),
    ("Ereignis: Gebiet freischalten", "Event: unlock area"),
    ("Ereignis: Wetter ändern", "Event: change weather"),
    ("Ereignis: Seuche ausbrechen lassen", "Event: start a plague"),
    ("Ereignis: Räuberbande erscheinen lassen", "Event: spawn a band of robbers"),
    ("Ereignis: Händlerschiff schicken", "Event: send a trading ship"),
    ("Ereignis: Siegbedingung erfüllen", "Event: fulfil victory condition"),
    ("Ereignis: Niederlage auslösen", "Event: cause defeat"),
    ("Der Auslöser \"%s\" wird von keinem Ereignis genutzt.",
     "The trigger \"%s\" is not used by any event."),
    ("Auslöser dürfen sich nicht gegenseitig im Kreis auslösen.",
     "Triggers must not fire each other in a loop."),
]

MISSION_TEXTS_DIALOG = [
    ("Missionstexte", "Mission Texts"),
    ("Einleitung:", "Introduction:"),
    ("Auftrag:", "Briefing:"),
    ("Text bei Sieg:", "Victory text:"),
    ("Text bei Niederlage:", "Defeat text:"),
    ("Sprecher:", "Speaker:"),
    ("Der Bürgermeister", "The Mayor"),
    ("Die Gräfin", "The Countess"),
    ("Der Baumeister", "The Master Builder"),
    ("Der Bote", "The Messenger"),
    ("Platzhalter: %s steht für den Namen des Spielers.",
     "Placeholder: %s stands for the player's name."),
]

OPTIONS_DIALOG = [
    ("Optionen", "Options"),
    ("Darstellung", "Display"),
    ("Steuerung", "Controls"),
    ("Speichern", "Saving"),
    ("Sprache:", "Language:"),
    ("Deutsch", "German"),
    ("Englisch", "English"),
    ("Die Sprache wird nach einem Neustart des Editors gewechselt.",
     "The language changes after the editor has been restarted."),
    ("Automatisch speichern alle", "Save automatically every"),
    ("Minuten", "minutes"),
    ("Sicherungskopien behalten:", "Keep backup copies:"),
    ("Kantenglättung", "Anti-aliasing"),
    ("Schatten", "Shadows"),
    ("Wasserspiegelungen", "Water reflections"),
    ("Wolkenschatten", "Cloud shadows"),
    ("Bildlauf am Bildschirmrand", "Scroll at screen edge"),
    ("Bildlaufgeschwindigkeit:", "Scroll speed:"),
    ("Mausrad zoomt", "Mouse wheel zooms"),
    ("Mausrad dreht die Kamera", "Mouse wheel rotates the camera"),
    ("Rückgängig-Schritte:", "Undo steps:"),
    ("Vor dem Beenden nach ungespeicherten Änderungen fragen",
     "Ask about unsaved changes before exiting"),
]

MESSAGES = [
    ("Karteneditor", "Map Editor"),
    ("Die Karte \"%s\" wurde geändert. Möchten Sie die Änderungen speichern?",
     "The map \"%s\" has been changed. Do you want to save the changes?"),
    ("Die Karte \"%s\" konnte nicht geöffnet werden.", "The map \"%s\" could not be opened."),
    ("Die Datei ist keine Arvent-Karte oder beschädigt.",
     "The file is not an Arvent map or it is damaged."),
    ("Die Karte wurde mit einer neueren Version des Editors gespeichert.",
     "The map was saved with a newer version of the editor."),
    ("Die Karte konnte nicht gespeichert werden. Ist der Datenträger voll oder schreibgeschützt?",
     "The map could not be saved. Is the disk full or write-protected?"),
    ("Eine Karte mit diesem Namen gibt es bereits. Ersetzen?",
     "A map with this name already exists. Replace it?"),
    ("Die Höhenkarte muss ein Graustufenbild im Format BMP oder PNG sein.",
     "The heightmap must be a greyscale image in BMP or PNG format."),
    ("Die Höhenkarte hat nicht die Größe der Karte und wird angepasst.",
     "The heightmap does not match the map size and will be scaled."),
    ("Nicht genug Speicher, um die Karte zu laden.", "Not enough memory to load the map."),
    ("Die Zwischenablage enthält keine Kartenteile.", "The clipboard holds no map parts."),
    ("Der eingefügte Bereich ragt über den Kartenrand hinaus.",
     "The pasted area extends beyond the edge of the map."),
    ("Es gibt nichts rückgängig zu machen.", "There is nothing to undo."),
    ("Hier kann nichts gebaut werden.", "Nothing can be built here."),
    ("Das Gelände ist zu steil.", "The terrain is too steep."),
    ("Das Feld ist bereits belegt.", "The tile is already taken."),
    ("Dieses Gebäude braucht Anschluss an eine Straße.", "This building needs a road connection."),
    ("Gebäude dürfen nicht im Wasser stehen.", "Buildings must not stand in water."),
    ("Straßen können keine Flüsse kreuzen. Bauen Sie eine Brücke.",
     "Roads cannot cross rivers. Build a bridge."),
    ("Eine Brücke braucht an beiden Ufern festen Boden.", "A bridge needs firm ground on both banks."),
    ("Der Fluss muss bergab fließen. Wählen Sie eine tiefer gelegene Mündung.",
     "The river must flow downhill. Choose a lower mouth."),
    ("Spieler %d kann keine Straße zum Rathaus bauen.", "Player %d cannot build a road to the town hall."),
    ("Spieler %d hat keinen Zugang zu Holz.", "Player %d has no access to timber."),
    ("Spieler %d hat keinen Zugang zu Stein.", "Player %d has no access to stone."),
    ("Die Startpositionen der Spieler %d und %d liegen zu nahe beieinander.",
     "The start positions of players %d and %d are too close together."),
    ("Auf der Karte gibt es keine Rohstoffvorkommen.", "The map has no resource deposits."),
    ("Einige Felder liegen unter dem Wasserspiegel, haben aber keinen Wasserbelag.",
     "Some tiles lie below the water level but have no water cover."),
    ("Der Testlauf kann erst beginnen, wenn die Karte keine Fehler mehr enthält.",
     "The test run can only begin once the map has no errors left."),
    ("Möchten Sie die Karte wirklich vollständig leeren?", "Do you really want to clear the whole map?"),
    ("Diese Aktion kann nicht rückgängig gemacht werden.", "This action cannot be undone."),
    ("Automatische Sicherung gespeichert.", "Automatic backup saved."),
    ("Eine automatische Sicherung wurde gefunden. Möchten Sie sie wiederherstellen?",
     "An automatic backup was found. Do you want to restore it?"),
]

ABOUT_DIALOG = [
    ("Über den Karteneditor", "About the Map Editor"),
    ("Arvent Karteneditor", "Arvent Map Editor"),
    ("Version %s", "Version %s"),
    ("Mit diesem Editor bauen Sie eigene Landschaften, Städte und Szenarien für Arvent.",
     "With this editor you build your own landscapes, cities and scenarios for Arvent."),
    ("Gestaltet und gebaut von den Stonewrights.", "Designed and built by the Stonewrights."),
    ("Dank an alle Kartenbauer, die uns Fehler gemeldet und Ideen geschickt haben.",
     "Thanks to all map makers who reported bugs and sent us ideas."),
]

SHORTCUTS = [
    ("Tastenkürzel", "Keyboard Shortcuts"),
    ("Pfeiltasten: Karte verschieben", "Arrow keys: scroll the map"),
    ("Bild auf/Bild ab: Zoomen", "Page Up/Page Down: zoom"),
    ("Q und E: Kamera drehen", "Q and E: rotate the camera"),
    ("Leertaste: Zum zuletzt gesetzten Gebäude springen", "Space: jump to the last placed building"),
    ("Umschalt beim Malen: Gerade Linie ziehen", "Shift while painting: draw a straight line"),
    ("Strg beim Malen: Nur leere Felder bemalen", "Ctrl while painting: paint empty tiles only"),
    ("Alt beim Klicken: Eigenschaften des Feldes anzeigen", "Alt while clicking: show tile properties"),
    ("Mausrad: Pinselgröße ändern, mit Strg: Zoomen", "Mouse wheel: change brush size, with Ctrl: zoom"),
    ("Mittlere Maustaste: Karte greifen und ziehen", "Middle mouse button: grab and drag the map"),
    ("Esc: Werkzeug ablegen", "Esc: put the tool down"),
    ("F5: Karte testen", "F5: test the map"),
    ("F7: Karte prüfen", "F7: check the map"),
    ("F11: Vollbild", "F11: full screen"),
]

PROPERTIES_PANEL = [
    ("Eigenschaften", "Properties"),
    ("Nichts ausgewählt", "Nothing selected"),
    ("%d Objekte ausgewählt", "%d objects selected"),
    ("Besitzer:", "Owner:"),
    ("Ausrichtung:", "Orientation:"),
    ("Norden", "North"),
    ("Osten", "East"),
    ("Süden", "South"),
    ("Westen", "West"),
    ("Zustand:", "Condition:"),
    ("Neu", "New"),
    ("Gebraucht", "Worn"),
    ("Baufällig", "Dilapidated"),
    ("Ruine", "Ruin"),
    ("Bauabschnitt:", "Construction stage:"),
    ("Fertig", "Finished"),
    ("Im Bau", "Under construction"),
    ("Baugrube", "Foundation pit"),
    ("Bewohner:", "Residents:"),
    ("Lagerinhalt:", "Stored goods:"),
    ("Unzerstörbar", "Indestructible"),
    ("Für Spieler unsichtbar bis zur Entdeckung", "Hidden from players until discovered"),
    ("Name auf der Karte:", "Name on the map:"),
    ("Höhe über dem Meer:", "Height above sea level:"),
    ("Neigung:", "Slope:"),
    ("Bodenfeuchte:", "Soil moisture:"),
    ("Vorkommen:", "Deposit:"),
    ("Menge:", "Amount:"),
    ("Erschöpflich", "Exhaustible"),
    ("Unerschöpflich", "Inexhaustible"),
]

HAND_WRITTEN = [
    # (first id, texts); ids below 256 are the menus, the rest keep room between sections.
    (1, MENU_BAR + FILE_MENU + EDIT_MENU + VIEW_MENU + MAP_MENU + TOOLS_MENU + SCENARIO_MENU
     + WINDOW_HELP_MENU),
    (200, TOOLBAR_TIPS),
    (300, STATUS_BAR),
    (400, COMMON_BUTTONS),
    (500, NEW_MAP_DIALOG),
    (600, MAP_PROPERTIES_DIALOG),
    (700, RESIZE_DIALOG),
    (800, RANDOM_MAP_DIALOG),
    (900, PLAYERS_DIALOG),
    (1000, DIPLOMACY_DIALOG),
    (1100, VICTORY_DIALOG),
    (1200, TRIGGER_DIALOG),
    (1300, MISSION_TEXTS_DIALOG),
    (1400, OPTIONS_DIALOG),
    (1500, MESSAGES),
    (1600, ABOUT_DIALOG),
    (1700, SHORTCUTS),
    (1800, PROPERTIES_PANEL),
]


# --- Goods ------------------------------------------------------------------------------
# key: (German, German after "an"/"von" (dative), English, description German, English)

GOODS = {
    "timber": ("Holz", "Holz", "timber",
               "Frisch geschlagene Stämme. Grundstoff für Bretter und Holzkohle.",
               "Freshly felled logs. Raw material for planks and charcoal."),
    "planks": ("Bretter", "Brettern", "planks",
               "Gesägte Bretter für fast jedes Gebäude.", "Sawn planks for almost every building."),
    "stone": ("Steine", "Steinen", "stone",
              "Bruchsteine für Fundamente, Mauern und Straßen.",
              "Rubble stone for foundations, walls and roads."),
    "marble": ("Marmor", "Marmor", "marble",
               "Edler Stein für Kirchen, Denkmäler und Patrizierhäuser.",
               "Noble stone for churches, monuments and patrician mansions."),
    "clay": ("Lehm", "Lehm", "clay",
             "Feuchter Lehm aus der Grube, wird zu Ziegeln gebrannt.",
             "Damp clay from the pit, fired into bricks."),
    "bricks": ("Ziegel", "Ziegeln", "bricks",
               "Gebrannte Ziegel für feuerfeste Stadthäuser.", "Fired bricks for fireproof town houses."),
    "iron_ore": ("Eisenerz", "Eisenerz", "iron ore",
                 "Rohes Erz aus den Bergen, wird in der Schmelzhütte verhüttet.",
                 "Raw ore from the mountains, smelted at the smelter."),
    "charcoal": ("Holzkohle", "Holzkohle", "charcoal",
                 "Brennstoff für Schmelzhütten und Schmieden.", "Fuel for smelters and smithies."),
    "coal": ("Kohle", "Kohle", "coal",
             "Steinkohle aus der Mine, brennt heißer als Holzkohle.",
             "Hard coal from the mine, burns hotter than charcoal."),
    "iron": ("Eisen", "Eisen", "iron",
             "Eisenbarren für Werkzeuge und Waffen.", "Iron bars for tools and weapons."),
    "tools": ("Werkzeug", "Werkzeug", "tools",
              "Ohne Werkzeug kann kein neuer Handwerker anfangen.",
              "Without tools no new craftsman can start work."),
    "weapons": ("Waffen", "Waffen", "weapons",
                "Schwerter und Spieße für die Stadtwache.", "Swords and pikes for the town guard."),
    "grain": ("Getreide", "Getreide", "grain",
              "Geerntetes Korn, wird zu Mehl gemahlen oder verfüttert.",
              "Harvested corn, ground into flour or used as fodder."),
    "flour": ("Mehl", "Mehl", "flour", "Gemahlenes Korn für die Bäckereien.", "Ground corn for the bakeries."),
    "bread": ("Brot", "Brot", "bread", "Das tägliche Brot der Bürger.", "The citizens' daily bread."),
    "fish": ("Fisch", "Fisch", "fish",
             "Frischer Fang aus Flüssen, Seen und dem Meer.", "Fresh catch from rivers, lakes and the sea."),
    "game": ("Wildbret", "Wildbret", "game", "Fleisch von der Jagd.", "Meat from the hunt."),
    "pigs": ("Schweine", "Schweinen", "pigs", "Gemästete Schweine für den Metzger.", "Fattened pigs for the butcher."),
    "sausages": ("Würste", "Würsten", "sausages",
                 "Haltbare Würste, beliebt bei Arbeitern.", "Long-lasting sausages, popular with workers."),
    "milk": ("Milch", "Milch", "milk", "Milch von den Weiden.", "Milk from the pastures."),
    "cheese": ("Käse", "Käse", "cheese", "Gereifter Käse aus der Molkerei.", "Matured cheese from the dairy."),
    "wool": ("Wolle", "Wolle", "wool", "Geschorene Schafwolle.", "Shorn sheep's wool."),
    "cloth": ("Stoff", "Stoff", "cloth", "Gewebtes Tuch aus Wolle.", "Woven woollen cloth."),
    "clothes": ("Kleidung", "Kleidung", "clothes",
                "Warme Kleidung, ohne die im Winter niemand zufrieden ist.",
                "Warm clothes, without which nobody is content in winter."),
    "hops": ("Hopfen", "Hopfen", "hops", "Würze für das Bier.", "Flavouring for beer."),
    "beer": ("Bier", "Bier", "beer", "Gebraut aus Getreide und Hopfen.", "Brewed from grain and hops."),
    "honey": ("Honig", "Honig", "honey", "Süßer Honig aus der Imkerei.", "Sweet honey from the apiary."),
    "wax": ("Wachs", "Wachs", "wax", "Bienenwachs für Kerzen.", "Beeswax for candles."),
    "mead": ("Met", "Met", "mead", "Honigwein für Feste.", "Honey wine for feasts."),
    "grapes": ("Trauben", "Trauben", "grapes", "Reife Trauben vom Weinberg.", "Ripe grapes from the vineyard."),
    "wine": ("Wein", "Wein", "wine", "Gekelterter Wein für die gehobenen Stände.", "Pressed wine for the upper classes."),
    "salt": ("Salz", "Salz", "salt",
             "Zum Pökeln von Fleisch und Fisch unentbehrlich.", "Indispensable for curing meat and fish."),
    "gold": ("Gold", "Gold", "gold", "Gold aus den Bergen, wird zu Münzen geprägt.", "Gold from the mountains, struck into coins."),
    "coins": ("Münzen", "Münzen", "coins", "Geprägte Münzen füllen die Stadtkasse.", "Struck coins fill the treasury."),
    "sand": ("Sand", "Sand", "sand", "Feiner Sand für die Glashütte.", "Fine sand for the glassworks."),
    "glass": ("Glas", "Glas", "glass", "Fensterglas für Bürgerhäuser und Kirchen.", "Window glass for townhouses and churches."),
    "candles": ("Kerzen", "Kerzen", "candles", "Licht für lange Winterabende.", "Light for long winter evenings."),
    "books": ("Bücher", "Büchern", "books", "Abschriften für Schule und Bibliothek.", "Copies for school and library."),
    "spices": ("Gewürze", "Gewürzen", "spices", "Nur über den Handel erhältlich.", "Only available through trade."),
}


def goods_list(keys, language):
    """Amounts with unit names as the game's cost tables show them: "4 Bretter, 2 Steine"."""
    index = 0 if language == "de" else 2
    return ", ".join(f"{n} {GOODS[k][index]}" for n, k in keys)


def goods_names(keys, language, dative=False):
    index = (1 if dative else 0) if language == "de" else 2
    if not keys:
        return "—"
    names = [GOODS[k][index] for k in keys]
    if len(names) == 1:
        return names[0]
    joiner = " und " if language == "de" else " and "
    return ", ".join(names[:-1]) + joiner + names[-1]


# --- Buildings --------------------------------------------------------------------------

class Building:
    def __init__(self, noun, size, workers, cost, produces, consumes, description):
        self.noun = noun
        self.size = size
        self.workers = workers
        self.cost = cost
        self.produces = produces
        self.consumes = consumes
        self.description = description


B, N = Building, Noun
BUILDINGS = [
    B(N("Holzfällerhütte", "f", "Holzfällerhütten", "Woodcutter's Hut"), (2, 2), 1,
      [(2, "planks")], ["timber"], [],
      ("Der Holzfäller schlägt die Bäume in der Umgebung. Stellen Sie die Hütte an den Waldrand.",
       "The woodcutter fells the trees nearby. Put the hut at the edge of a forest.")),
    B(N("Försterhaus", "n", "Försterhäuser", "Forester's Lodge"), (2, 2), 1,
      [(2, "planks"), (2, "stone")], [], [],
      ("Der Förster pflanzt neue Bäume, damit der Wald nicht verschwindet.",
       "The forester plants new trees so that the forest does not disappear.")),
    B(N("Sägewerk", "n", "Sägewerke", "Sawmill"), (3, 2), 2,
      [(4, "timber"), (2, "stone")], ["planks"], ["timber"],
      ("Sägt Stämme zu Brettern. Ein Sägewerk versorgt drei Holzfäller mit Arbeit.",
       "Saws logs into planks. One sawmill keeps three woodcutters busy.")),
    B(N("Steinbruch", "m", "Steinbrüche", "Quarry", "Quarries"), (3, 3), 3,
      [(3, "planks")], ["stone"], [],
      ("Bricht Steine aus Felsen und Bergen. Muss direkt an einem Felsen stehen.",
       "Cuts stone from rocks and mountains. Must stand right next to rock.")),
    B(N("Steinmetzhütte", "f", "Steinmetzhütten", "Stonemason's Workshop"), (2, 2), 2,
      [(3, "planks"), (2, "stone")], ["marble"], ["stone"],
      ("Der Steinmetz bearbeitet Marmor aus dem Gebirge zu Bausteinen für Prachtbauten.",
       "The stonemason dresses marble from the mountains into blocks for grand buildings.")),
    B(N("Lehmgrube", "f", "Lehmgruben", "Clay Pit"), (3, 3), 2,
      [(2, "planks")], ["clay"], [],
      ("Fördert Lehm aus feuchtem Boden. Am besten in der Nähe eines Flusses.",
       "Digs clay from damp ground. Best placed near a river.")),
    B(N("Ziegelei", "f", "Ziegeleien", "Brickworks", "Brickworks"), (3, 2), 2,
      [(3, "planks"), (3, "stone")], ["bricks"], ["clay", "coal"],
      ("Brennt Lehm zu Ziegeln. Braucht Kohle als Brennstoff.",
       "Fires clay into bricks. Needs coal as fuel.")),
    B(N("Erzmine", "f", "Erzminen", "Iron Mine"), (2, 2), 3,
      [(4, "planks"), (2, "tools")], ["iron_ore"], ["bread"],
      ("Baut Eisenerz ab. Nur an einem Berg mit Erzvorkommen möglich. Die Bergleute brauchen Brot.",
       "Mines iron ore. Only possible on a mountain with an ore deposit. The miners need bread.")),
    B(N("Kohlemine", "f", "Kohleminen", "Coal Mine"), (2, 2), 3,
      [(4, "planks"), (2, "tools")], ["coal"], ["bread"],
      ("Baut Kohle ab. Nur an einem Berg mit Kohlevorkommen möglich.",
       "Mines coal. Only possible on a mountain with a coal deposit.")),
    B(N("Goldmine", "f", "Goldminen", "Gold Mine"), (2, 2), 3,
      [(4, "planks"), (4, "stone"), (2, "tools")], ["gold"], ["sausages"],
      ("Fördert Gold. Goldadern sind selten, setzen Sie sie auf der Karte mit Bedacht.",
       "Extracts gold. Gold veins are rare, place them on the map with care.")),
    B(N("Köhlerei", "f", "Köhlereien", "Charcoal Kiln"), (2, 2), 1,
      [(2, "planks"), (2, "stone")], ["charcoal"], ["timber"],
      ("Verschwelt Holz zu Holzkohle, wo keine Kohlemine erreichbar ist.",
       "Chars wood into charcoal where no coal mine is within reach.")),
    B(N("Schmelzhütte", "f", "Schmelzhütten", "Smelter"), (3, 2), 2,
      [(2, "planks"), (5, "stone")], ["iron"], ["iron_ore", "coal"],
      ("Schmilzt Eisenerz mit Kohle zu Eisenbarren.", "Smelts iron ore with coal into iron bars.")),
    B(N("Werkzeugschmiede", "f", "Werkzeugschmieden", "Toolsmithy", "Toolsmithies"), (2, 2), 1,
      [(3, "planks"), (3, "stone")], ["tools"], ["iron", "timber"],
      ("Fertigt Werkzeug für neue Handwerker.", "Makes tools for new craftsmen.")),
    B(N("Waffenschmiede", "f", "Waffenschmieden", "Armoury", "Armouries"), (2, 2), 2,
      [(3, "planks"), (4, "stone")], ["weapons"], ["iron", "coal"],
      ("Schmiedet Waffen für die Stadtwache und die Wachtürme.",
       "Forges weapons for the town guard and the watchtowers.")),
    B(N("Bauernhof", "m", "Bauernhöfe", "Farm"), (3, 3), 2,
      [(4, "planks")], ["grain"], [],
      ("Bestellt die umliegenden Felder mit Getreide. Braucht fruchtbaren Boden.",
       "Sows the surrounding fields with grain. Needs fertile soil.")),
    B(N("Windmühle", "f", "Windmühlen", "Windmill"), (2, 2), 1,
      [(4, "planks"), (2, "stone")], ["flour"], ["grain"],
      ("Mahlt Getreide zu Mehl. Auf Anhöhen weht der Wind am stärksten.",
       "Grinds grain into flour. The wind blows strongest on high ground.")),
    B(N("Bäckerei", "f", "Bäckereien", "Bakery", "Bakeries"), (2, 2), 1,
      [(2, "planks"), (3, "stone")], ["bread"], ["flour"],
      ("Backt Brot aus Mehl.", "Bakes bread from flour.")),
    B(N("Fischerhütte", "f", "Fischerhütten", "Fisherman's Hut"), (2, 2), 1,
      [(2, "planks")], ["fish"], [],
      ("Der Fischer fängt Fische in nahen Gewässern. Muss am Ufer stehen.",
       "The fisherman catches fish in nearby waters. Must stand on the shore.")),
    B(N("Jagdhütte", "f", "Jagdhütten", "Hunting Lodge"), (2, 2), 1,
      [(2, "planks")], ["game"], [],
      ("Der Jäger erlegt Wild in den Wäldern ringsum.", "The hunter takes game in the woods around.")),
    B(N("Schweinezucht", "f", "Schweinezuchten", "Pig Farm"), (3, 3), 1,
      [(3, "planks")], ["pigs"], ["grain"],
      ("Mästet Schweine mit Getreide.", "Fattens pigs on grain.")),
    B(N("Metzgerei", "f", "Metzgereien", "Butcher's Shop"), (2, 2), 1,
      [(2, "planks"), (2, "stone")], ["sausages"], ["pigs", "salt"],
      ("Macht aus Schweinen und Salz haltbare Würste.", "Turns pigs and salt into long-lasting sausages.")),
    B(N("Schäferei", "f", "Schäfereien", "Sheep Farm"), (3, 3), 1,
      [(3, "planks")], ["wool", "milk"], [],
      ("Hält Schafe auf Wiesen und Heide. Liefert Wolle und Milch.",
       "Keeps sheep on meadows and heath. Supplies wool and milk.")),
    B(N("Molkerei", "f", "Molkereien", "Dairy", "Dairies"), (2, 2), 1,
      [(3, "planks"), (2, "stone")], ["cheese"], ["milk", "salt"],
      ("Verarbeitet Milch zu Käse.", "Makes cheese from milk.")),
    B(N("Weberei", "f", "Webereien", "Weaving Mill"), (2, 2), 2,
      [(3, "planks"), (2, "stone")], ["cloth"], ["wool"],
      ("Webt Stoff aus Wolle.", "Weaves cloth from wool.")),
    B(N("Schneiderei", "f", "Schneidereien", "Tailor's Shop"), (2, 2), 1,
      [(2, "planks"), (2, "bricks")], ["clothes"], ["cloth"],
      ("Näht Kleidung aus Stoff.", "Sews clothes from cloth.")),
    B(N("Hopfengarten", "m", "Hopfengärten", "Hop Garden"), (3, 3), 1,
      [(3, "planks")], ["hops"], [],
      ("Zieht Hopfen an hohen Stangen. Braucht fruchtbaren Boden.",
       "Grows hops on tall poles. Needs fertile soil.")),
    B(N("Brauerei", "f", "Brauereien", "Brewery", "Breweries"), (3, 2), 2,
      [(3, "planks"), (3, "bricks")], ["beer"], ["grain", "hops"],
      ("Braut Bier aus Getreide und Hopfen.", "Brews beer from grain and hops.")),
    B(N("Imkerei", "f", "Imkereien", "Apiary", "Apiaries"), (2, 2), 1,
      [(2, "planks")], ["honey", "wax"], [],
      ("Bienenstöcke liefern Honig und Wachs. Blumenwiesen in der Nähe steigern den Ertrag.",
       "Beehives yield honey and wax. Flower meadows nearby raise the yield.")),
    B(N("Metsiederei", "f", "Metsiedereien", "Meadery", "Meaderies"), (2, 2), 1,
      [(2, "planks"), (2, "bricks")], ["mead"], ["honey"],
      ("Vergärt Honig zu Met.", "Ferments honey into mead.")),
    B(N("Weinberg", "m", "Weinberge", "Vineyard"), (3, 3), 2,
      [(3, "planks"), (2, "stone")], ["grapes"], [],
      ("Reben gedeihen nur an sonnigen Südhängen.", "Vines only thrive on sunny southern slopes.")),
    B(N("Kelterei", "f", "Keltereien", "Winepress", "Winepresses"), (2, 2), 2,
      [(3, "planks"), (3, "bricks")], ["wine"], ["grapes"],
      ("Keltert Trauben zu Wein.", "Presses grapes into wine.")),
    B(N("Saline", "f", "Salinen", "Saltworks", "Saltworks"), (3, 2), 2,
      [(3, "planks"), (3, "stone")], ["salt"], ["coal"],
      ("Siedet Salz aus Sole. Nur an einer Salzquelle möglich.",
       "Boils salt from brine. Only possible at a salt spring.")),
    B(N("Sandgrube", "f", "Sandgruben", "Sand Pit"), (3, 3), 1,
      [(2, "planks")], ["sand"], [],
      ("Gräbt feinen Sand an Stränden und in Dünen.", "Digs fine sand on beaches and in dunes.")),
    B(N("Glashütte", "f", "Glashütten", "Glassworks", "Glassworks"), (3, 2), 2,
      [(3, "planks"), (4, "bricks")], ["glass"], ["sand", "coal"],
      ("Schmilzt Sand zu Glas.", "Melts sand into glass.")),
    B(N("Kerzenzieherei", "f", "Kerzenziehereien", "Chandlery", "Chandleries"), (2, 2), 1,
      [(2, "planks"), (2, "bricks")], ["candles"], ["wax"],
      ("Zieht Kerzen aus Bienenwachs.", "Dips candles from beeswax.")),
    B(N("Schreibstube", "f", "Schreibstuben", "Scriptorium", "Scriptoria"), (2, 2), 2,
      [(2, "planks"), (3, "bricks"), (1, "glass")], ["books"], ["candles"],
      ("Schreiber kopieren Bücher bei Kerzenlicht.", "Scribes copy books by candlelight.")),
    B(N("Münzprägerei", "f", "Münzprägereien", "Mint"), (2, 2), 2,
      [(2, "planks"), (4, "bricks"), (2, "iron")], ["coins"], ["gold", "coal"],
      ("Prägt Münzen aus Gold und füllt so die Stadtkasse.", "Strikes coins from gold and so fills the treasury.")),
    B(N("Wohnhaus", "n", "Wohnhäuser", "House"), (2, 2), 0,
      [(2, "planks"), (2, "stone")], [], ["bread", "fish", "clothes"],
      ("Hier wohnen einfache Bürger. Mit guter Versorgung wächst das Haus zum Bürgerhaus.",
       "Home of ordinary citizens. Well supplied, the house grows into a townhouse.")),
    B(N("Bürgerhaus", "n", "Bürgerhäuser", "Townhouse"), (2, 2), 0,
      [(3, "planks"), (4, "bricks")], [], ["bread", "sausages", "beer", "clothes"],
      ("Wohnsitz wohlhabender Handwerker. Zahlt höhere Steuern.",
       "Residence of well-off craftsmen. Pays higher taxes.")),
    B(N("Patrizierhaus", "n", "Patrizierhäuser", "Patrician Mansion"), (3, 3), 0,
      [(4, "planks"), (6, "bricks"), (2, "marble"), (2, "glass")], [],
      ["cheese", "wine", "books", "candles"],
      ("Sitz der reichsten Familien der Stadt. Verlangt Wein, Bücher und Kerzen.",
       "Seat of the town's richest families. Demands wine, books and candles.")),
    B(N("Marktplatz", "m", "Marktplätze", "Marketplace"), (4, 4), 2,
      [(4, "planks"), (4, "stone")], [], [],
      ("Von hier holen sich die Bürger ihre Waren. Jedes Wohnhaus braucht einen Markt in der Nähe.",
       "Citizens fetch their goods here. Every house needs a market nearby.")),
    B(N("Lagerhaus", "n", "Lagerhäuser", "Warehouse"), (3, 3), 2,
      [(5, "planks"), (3, "stone")], [], [],
      ("Lagert Waren und verkürzt die Wege der Träger.", "Stores goods and shortens the carriers' walks.")),
    B(N("Kontor", "n", "Kontore", "Trading Post"), (3, 3), 2,
      [(4, "planks"), (4, "bricks")], [], [],
      ("Handelt mit fahrenden Händlern und anderen Spielern.",
       "Trades with travelling merchants and other players.")),
    B(N("Hafen", "m", "Häfen", "Harbour"), (4, 3), 3,
      [(6, "planks"), (6, "stone")], [], [],
      ("Anlegestelle für Handelsschiffe. Muss an tiefem Wasser liegen.",
       "Mooring for trading ships. Must lie on deep water.")),
    B(N("Werft", "f", "Werften", "Shipyard"), (4, 3), 3,
      [(8, "planks"), (2, "stone"), (2, "tools")], [], ["planks", "cloth"],
      ("Baut Handelsschiffe aus Brettern und Segeltuch.", "Builds trading ships from planks and sailcloth.")),
    B(N("Brunnen", "m", "Brunnen", "Well"), (1, 1), 0,
      [(2, "stone")], [], [],
      ("Versorgt die Häuser ringsum mit Wasser und hilft beim Löschen von Bränden.",
       "Supplies the houses around with water and helps to put out fires.")),
    B(N("Kapelle", "f", "Kapellen", "Chapel"), (2, 2), 1,
      [(3, "planks"), (3, "stone")], [], ["candles"],
      ("Ein kleiner Ort des Gebets für Dörfer und junge Städte.",
       "A small place of prayer for villages and young towns.")),
    B(N("Kirche", "f", "Kirchen", "Church", "Churches"), (4, 3), 2,
      [(4, "planks"), (8, "stone"), (2, "glass")], [], ["candles"],
      ("Stärkt den Glauben und die Zufriedenheit der Bürger.",
       "Strengthens the faith and contentment of the citizens.")),
    B(N("Kathedrale", "f", "Kathedralen", "Cathedral"), (6, 5), 4,
      [(8, "planks"), (12, "stone"), (8, "marble"), (6, "glass")], [], ["candles"],
      ("Das größte Bauwerk der Stadt. Ihr Bau dauert Jahrzehnte.",
       "The greatest building of the town. It takes decades to build.")),
    B(N("Schule", "f", "Schulen", "School"), (3, 2), 1,
      [(3, "planks"), (4, "bricks")], [], ["books"],
      ("Unterrichtet die Kinder. Gebildete Bürger arbeiten schneller.",
       "Teaches the children. Educated citizens work faster.")),
    B(N("Bibliothek", "f", "Bibliotheken", "Library", "Libraries"), (3, 3), 2,
      [(3, "planks"), (6, "bricks"), (2, "glass")], [], ["books", "candles"],
      ("Zieht Gelehrte an und steigert den Ruhm der Stadt.", "Attracts scholars and raises the town's fame.")),
    B(N("Badehaus", "n", "Badehäuser", "Bathhouse"), (3, 2), 2,
      [(3, "planks"), (5, "bricks")], [], ["timber"],
      ("Hält die Bürger sauber und schützt vor Seuchen.", "Keeps the citizens clean and protects against plagues.")),
    B(N("Gasthaus", "n", "Gasthäuser", "Tavern"), (3, 2), 2,
      [(4, "planks"), (3, "bricks")], [], ["beer", "mead", "sausages"],
      ("Treffpunkt nach der Arbeit. Schenkt Bier und Met aus.", "Meeting place after work. Serves beer and mead.")),
    B(N("Theater", "n", "Theater", "Theatre"), (4, 3), 3,
      [(6, "planks"), (6, "bricks"), (2, "marble")], [], ["candles", "clothes"],
      ("Bietet den gehobenen Ständen Unterhaltung.", "Offers entertainment to the upper classes.")),
    B(N("Hospital", "n", "Hospitäler", "Hospital"), (3, 3), 3,
      [(4, "planks"), (6, "bricks")], [], ["honey", "wine"],
      ("Pflegt Kranke und hält Seuchen auf.", "Cares for the sick and stops plagues.")),
    B(N("Feuerwache", "f", "Feuerwachen", "Fire Station"), (2, 2), 2,
      [(2, "planks"), (3, "stone")], [], [],
      ("Löscht Brände im Umkreis, bevor sie übergreifen.", "Puts out fires nearby before they spread.")),
    B(N("Wachturm", "m", "Wachtürme", "Watchtower"), (1, 1), 1,
      [(1, "planks"), (4, "stone")], [], ["weapons"],
      ("Hält Räuber fern und schützt die Grenze.", "Keeps robbers away and guards the border.")),
    B(N("Stadtmauer", "f", "Stadtmauern", "Town Wall"), (1, 1), 0,
      [(3, "stone")], [], [],
      ("Schützt die Stadt. Wird wie eine Straße Feld für Feld gezogen.",
       "Protects the town. Drawn tile by tile like a road.")),
    B(N("Stadttor", "n", "Stadttore", "Town Gate"), (2, 1), 1,
      [(2, "planks"), (6, "stone")], [], [],
      ("Durchlass in der Stadtmauer für Straßen.", "Passage through the town wall for roads.")),
    B(N("Burg", "f", "Burgen", "Castle"), (5, 5), 4,
      [(8, "planks"), (16, "stone"), (4, "iron")], [], ["weapons", "bread"],
      ("Sitz des Landesherrn. Dehnt das Gebiet des Spielers weit aus.",
       "Seat of the lord. Extends the player's territory far.")),
    B(N("Rathaus", "n", "Rathäuser", "Town Hall"), (4, 4), 3,
      [(6, "planks"), (8, "stone")], [], [],
      ("Mittelpunkt jeder Stadt. Jeder Spieler beginnt mit einem Rathaus.",
       "Centre of every town. Each player starts with a town hall.")),
    B(N("Leuchtturm", "m", "Leuchttürme", "Lighthouse"), (2, 2), 1,
      [(2, "planks"), (6, "stone"), (1, "glass")], [], ["candles"],
      ("Lotst Schiffe sicher in den Hafen.", "Guides ships safely into the harbour.")),
    B(N("Brücke", "f", "Brücken", "Bridge"), (1, 3), 0,
      [(4, "planks"), (4, "stone")], [], [],
      ("Führt eine Straße über einen Fluss. Wird von Ufer zu Ufer gezogen.",
       "Carries a road across a river. Drawn from bank to bank.")),
    B(N("Denkmal", "n", "Denkmäler", "Monument"), (2, 2), 0,
      [(6, "marble"), (2, "gold")], [], [],
      ("Erinnert an große Taten und steigert den Ruhm der Stadt.",
       "Commemorates great deeds and raises the town's fame.")),
    B(N("Stadtpark", "m", "Stadtparks", "Town Park"), (3, 3), 0,
      [(2, "stone")], [], [],
      ("Grünfläche, die das Umfeld der Wohnhäuser verschönert.",
       "Green space that makes the surroundings of houses more pleasant.")),
]
del B, N


# --- Ground covers ----------------------------------------------------------------------
# (noun, buildable, fertility 0-3, walking 0-3 (3: impassable), description)

_FERTILITY = [("keine", "none"), ("gering", "low"), ("mittel", "medium"), ("hoch", "high")]
_WALKING = [("normal", "normal"), ("langsam", "slow"), ("sehr langsam", "very slow"),
            ("unpassierbar", "impassable")]

N = Noun
TERRAINS = [
    (N("Gras", "n", "Gräser", "Grass"), True, 2, 0,
     ("Kurzes Gras. Der übliche Belag für Bauland.", "Short grass. The usual cover for building land.")),
    (N("Wiese", "f", "Wiesen", "Meadow"), True, 3, 0,
     ("Saftige Wiese, ideal für Schafe und Bauernhöfe.", "Lush meadow, ideal for sheep and farms.")),
    (N("Blumenwiese", "f", "Blumenwiesen", "Flower Meadow"), True, 3, 0,
     ("Bunte Wiese, auf der Bienen reichlich Nektar finden.", "Colourful meadow where bees find plenty of nectar.")),
    (N("Ackerboden", "m", "Ackerböden", "Farmland"), True, 3, 1,
     ("Gepflügte Erde. Bauernhöfe und Hopfengärten gedeihen hier besonders gut.",
      "Ploughed earth. Farms and hop gardens thrive here.")),
    (N("Waldboden", "m", "Waldböden", "Forest Floor"), True, 1, 1,
     ("Moos und Laub unter Bäumen. Förster pflanzen hier am liebsten.",
      "Moss and leaves under trees. Foresters prefer to plant here.")),
    (N("Heide", "f", "Heiden", "Heath"), True, 1, 0,
     ("Karger Boden mit Heidekraut. Genügt Schafen, aber kaum dem Ackerbau.",
      "Poor soil with heather. Enough for sheep, hardly for farming.")),
    (N("Steppe", "f", "Steppen", "Steppe"), True, 1, 0,
     ("Trockenes Grasland mit wenig Regen.", "Dry grassland with little rain.")),
    (N("Sand", "m", "Sande", "Sand"), True, 0, 1,
     ("Lockerer Sand. Sandgruben arbeiten hier, Bauern nicht.", "Loose sand. Sand pits work here, farmers do not.")),
    (N("Strand", "m", "Strände", "Beach"), False, 0, 1,
     ("Sandiger Uferstreifen. Fischer und Häfen brauchen Zugang zum Strand.",
      "Sandy strip of shore. Fishermen and harbours need access to the beach.")),
    (N("Düne", "f", "Dünen", "Dune"), False, 0, 2,
     ("Vom Wind aufgetürmter Sand. Wandert, wenn kein Strandhafer wächst.",
      "Sand piled up by the wind. It drifts unless marram grass grows on it.")),
    (N("Wüste", "f", "Wüsten", "Desert"), False, 0, 2,
     ("Heiß und trocken. Ohne Brunnen kann hier niemand leben.", "Hot and dry. Nobody can live here without a well.")),
    (N("Lehmboden", "m", "Lehmböden", "Clay Soil"), True, 2, 1,
     ("Schwerer, feuchter Boden. Lehmgruben finden hier ihren Rohstoff.",
      "Heavy, damp soil. Clay pits find their raw material here.")),
    (N("Kies", "m", "Kiese", "Gravel"), True, 0, 0,
     ("Fester Untergrund für Straßen und Plätze.", "Firm ground for roads and squares.")),
    (N("Geröll", "n", "Gerölle", "Scree"), False, 0, 2,
     ("Lose Steine am Fuß der Berge.", "Loose stones at the foot of the mountains.")),
    (N("Fels", "m", "Felsen", "Rock"), False, 0, 3,
     ("Nackter Fels. Steinbrüche müssen daran angrenzen.", "Bare rock. Quarries must border on it.")),
    (N("Marmorfels", "m", "Marmorfelsen", "Marble Rock"), False, 0, 3,
     ("Heller Fels mit Marmoradern für die Steinmetze.", "Pale rock with marble veins for the stonemasons.")),
    (N("Schnee", "m", "Schnee", "Snow"), False, 0, 2,
     ("Ewiger Schnee auf den Gipfeln.", "Everlasting snow on the peaks.")),
    (N("Eis", "n", "Eis", "Ice"), False, 0, 2,
     ("Gefrorenes Wasser. Im nordischen Klima frieren Seen im Winter zu.",
      "Frozen water. In the Nordic climate lakes freeze over in winter.")),
    (N("Sumpf", "m", "Sümpfe", "Swamp"), False, 0, 2,
     ("Nasser, fauliger Boden. Fördert Seuchen in der Nähe.", "Wet, foul ground. Encourages plagues nearby.")),
    (N("Moor", "n", "Moore", "Moor"), False, 1, 2,
     ("Torfiger Boden, auf dem nur Gräser und Birken wachsen.", "Peaty ground on which only grasses and birches grow.")),
    (N("Schlamm", "m", "Schlämme", "Mud"), False, 0, 2,
     ("Aufgeweichter Boden nach Überschwemmungen.", "Sodden ground after floods.")),
    (N("Salzwiese", "f", "Salzwiesen", "Salt Marsh"), False, 1, 1,
     ("Von der Flut überspülte Wiese an der Küste.", "Meadow on the coast washed over by the tide.")),
    (N("Flachwasser", "n", "Flachwasser", "Shallow Water"), False, 0, 3,
     ("Seichtes Wasser. Fischer fangen hier, Schiffe laufen auf Grund.",
      "Shallow water. Fishermen catch here, ships run aground.")),
    (N("Tiefwasser", "n", "Tiefwasser", "Deep Water"), False, 0, 3,
     ("Schiffbares Wasser für Häfen und Handelsrouten.", "Navigable water for harbours and trade routes.")),
    (N("Flussbett", "n", "Flussbetten", "Riverbed"), False, 0, 3,
     ("Wird vom Flusswerkzeug gesetzt. Nur Brücken führen hinüber.",
      "Set by the river tool. Only bridges lead across.")),
    (N("Pflaster", "n", "Pflaster", "Paving"), True, 0, 0,
     ("Gepflasterter Platz. Märkte und Rathäuser wirken darauf besonders prächtig.",
      "Paved square. Markets and town halls look particularly splendid on it.")),
    (N("Asche", "f", "Aschen", "Ash"), False, 1, 1,
     ("Verbrannter Boden nach einem Waldbrand. Erholt sich nach einigen Jahren.",
      "Burnt ground after a forest fire. Recovers after a few years.")),
    (N("Weinhang", "m", "Weinhänge", "Vine Slope"), True, 2, 1,
     ("Sonniger, steiniger Hang, auf dem Reben gut gedeihen.", "Sunny, stony slope on which vines grow well.")),
]
del N


# --- Trees, objects and deposits -------------------------------------------------------------

OBJECTS = [
    ("Eiche", "Oak", "Langsam wachsend, liefert viel Holz.", "Slow-growing, yields plenty of timber."),
    ("Buche", "Beech", "Häufigster Laubbaum im gemäßigten Klima.", "The commonest broadleaf tree in the temperate climate."),
    ("Birke", "Birch", "Wächst auch auf Moor und Heide.", "Grows even on moor and heath."),
    ("Fichte", "Spruce", "Schnellwüchsiger Nadelbaum.", "Fast-growing conifer."),
    ("Kiefer", "Pine", "Genügsam, wächst auf Sand.", "Undemanding, grows on sand."),
    ("Tanne", "Fir", "Nadelbaum der Berge.", "Conifer of the mountains."),
    ("Linde", "Lime Tree", "Schattenspender auf Dorfplätzen.", "Shade-giver on village greens."),
    ("Weide", "Willow", "Wächst an Ufern und in Sümpfen.", "Grows on banks and in swamps."),
    ("Pappel", "Poplar", "Hoch und schlank, säumt Straßen.", "Tall and slender, lines roads."),
    ("Apfelbaum", "Apple Tree", "Obstbaum für Gärten, liefert kein Bauholz.", "Fruit tree for gardens, yields no timber."),
    ("Olivenbaum", "Olive Tree", "Nur im südlichen Klima.", "Southern climate only."),
    ("Palme", "Palm", "Nur im Wüstenrandklima.", "Desert fringe climate only."),
    ("Zypresse", "Cypress", "Schlanker Baum des Südens.", "Slender tree of the south."),
    ("Haselstrauch", "Hazel Shrub", "Niedriger Strauch am Waldrand.", "Low shrub at the forest edge."),
    ("Brombeerhecke", "Bramble Hedge", "Dornige Hecke, die Wege versperrt.", "Thorny hedge that blocks paths."),
    ("Schilf", "Reeds", "Wächst im Flachwasser am Ufer.", "Grows in the shallows by the shore."),
    ("Findling", "Boulder", "Großer Stein, den nur ein Steinbruch abbaut.", "Large stone only a quarry can remove."),
    ("Baumstumpf", "Tree Stump", "Bleibt nach dem Fällen stehen.", "Left behind after felling."),
    ("Holzzaun", "Wooden Fence", "Zierzaun um Gärten und Weiden.", "Decorative fence around gardens and pastures."),
    ("Trockenmauer", "Dry-Stone Wall", "Niedrige Mauer zwischen Feldern.", "Low wall between fields."),
    ("Heuhaufen", "Haystack", "Zierde für Bauernhöfe.", "Decoration for farms."),
    ("Vogelscheuche", "Scarecrow", "Zierde für Felder.", "Decoration for fields."),
    ("Wegkreuz", "Wayside Cross", "Steht an Kreuzungen.", "Stands at crossroads."),
    ("Wegweiser", "Signpost", "Zeigt den Namen eines Ortes auf der Karte.", "Shows the name of a place on the map."),
    ("Pferdetränke", "Horse Trough", "Zierde für Straßen und Plätze.", "Decoration for roads and squares."),
    ("Marktstand", "Market Stall", "Belebt Marktplätze.", "Livens up marketplaces."),
    ("Holzstapel", "Woodpile", "Zierde neben Hütten.", "Decoration next to huts."),
    ("Statue", "Statue", "Steinerne Figur auf einem Sockel.", "Stone figure on a plinth."),
    ("Ruine", "Ruins", "Reste eines alten Gebäudes, unzerstörbar.", "Remains of an old building, indestructible."),
    ("Erzvorkommen", "Iron Ore Deposit", "Ort für eine Erzmine. Nur an Bergen.", "Site for an iron mine. Mountains only."),
    ("Kohlevorkommen", "Coal Deposit", "Ort für eine Kohlemine. Nur an Bergen.", "Site for a coal mine. Mountains only."),
    ("Goldader", "Gold Vein", "Ort für eine Goldmine. Nur an Bergen.", "Site for a gold mine. Mountains only."),
    ("Salzquelle", "Salt Spring", "Ort für eine Saline.", "Site for saltworks."),
    ("Fischgrund", "Fishing Ground", "Reicher Fischbestand im Wasser.", "Rich fish stock in the water."),
    ("Wildbestand", "Game Herd", "Wild für die Jäger.", "Game for the hunters."),
    ("Räuberlager", "Robbers' Camp", "Von hier ziehen Räuber aus, bis ein Wachturm sie vertreibt.",
     "Robbers set out from here until a watchtower drives them away."),
]


# --- Composed sections ---------------------------------------------------------------------

def building_texts(b):
    n = b.noun
    de, en = n.de, n.en
    w, h = b.size
    workers = ((f"Arbeiter: {b.workers}", f"Workers: {b.workers}") if b.workers
               else ("Keine Arbeiter nötig", "No workers needed"))
    produces = ((f"Erzeugt: {goods_names(b.produces, 'de')}", f"Produces: {goods_names(b.produces, 'en')}")
                if b.produces else ("Erzeugt keine Waren", "Produces no goods"))
    consumes = ((f"Verbraucht: {goods_names(b.consumes, 'de')}", f"Consumes: {goods_names(b.consumes, 'en')}")
                if b.consumes else ("Verbraucht keine Waren", "Consumes no goods"))
    return [
        (de, en),
        (n.de_plural, n.en_plural),
        b.description,
        (f"{de} setzen", f"Place {en}"),
        (f"Klicken Sie auf ein freies Feld, um {n.the('acc')} zu setzen. Mit der rechten Maustaste "
         f"brechen Sie ab.", f"Click a free tile to place the {en}. Right-click to cancel."),
        (f"{n.The()} wurde gesetzt.", f"{en} placed."),
        (f"{n.The()} wurde entfernt.", f"{en} removed."),
        (f"{n.The()} kann hier nicht gebaut werden: Der Boden ist zu steil.",
         f"The {en} cannot be built here: the ground is too steep."),
        (f"{n.The()} braucht Anschluss an eine Straße.", f"The {en} needs a road connection."),
        (f"Größe: {w} × {h} Felder", f"Size: {w} × {h} tiles"),
        workers,
        (f"Baukosten: {goods_list(b.cost, 'de')}", f"Building cost: {goods_list(b.cost, 'en')}"),
        produces,
        consumes,
        (f"Einzugsbereich {n.genitive} anzeigen", f"Show {en} catchment area"),
        (f"Alle {n.de_plural} auswählen", f"Select all {n.en_plural}"),
        (f"Anzahl der {n.de_plural}: %d", f"Number of {n.en_plural}: %d"),
        (f"{de} für alle Spieler sperren", f"Lock the {en} for all players"),
        (f"{de} von Beginn an freischalten", f"Unlock {en} at start"),
        (f"{de} ab %d Einwohnern freischalten", f"Unlock {en} at %d citizens"),
        (f"Siegbedingung: %d {n.de_plural} errichten", f"Victory condition: build %d {n.en_plural}"),
        (f"Auslöser: {de} fertiggestellt", f"Trigger: {en} completed"),
        (f"Auslöser: {de} zerstört", f"Trigger: {en} destroyed"),
        (f"Ereignis: {n.the('acc')} in Brand setzen", f"Event: set the {en} on fire"),
        (f"Ereignis: {n.the('acc')} an Spieler %d übergeben", f"Event: give {en} to player %d"),
        (f"Ereignis: {n.the('acc')} verfallen lassen", f"Event: ruin the {en}"),
        _building_summary(b),
        (f"{n.The('acc')} wirklich entfernen? Eingelagerte Waren gehen verloren.",
         f"Remove the {en}? Its stored goods will be lost."),
        (f"{n.The()} braucht zuerst ein Rathaus.", f"The {en} needs a town hall first."),
        (f"{n.The()} wurde fertiggestellt.", f"The {en} has been completed."),
        (f"{n.The()} ist zur Ruine verfallen.", f"The {en} has fallen into ruin."),
        (f"Feuer {n.in_the} bei Feld %d, %d!", f"Fire in the {en} at tile %d, %d!"),
        (f"Spieler %d erhält {n.the('acc')} bei Feld %d, %d.",
         f"Player %d receives the {en} at %d, %d."),
        (f"Spieler %d: {n.The()} bei Feld %d, %d steht auf unbebaubarem Boden.",
         f"Player %d: {en} at %d, %d is on unbuildable ground."),
        (f"Spieler %d: {n.The()} bei Feld %d, %d ist nicht an das Straßennetz angeschlossen.",
         f"Player %d: {en} at %d, %d has no road connection."),
        (f"Spieler %d: {n.The()} bei Feld %d, %d liegt außerhalb des eigenen Gebiets.",
         f"Player %d: {en} at %d, %d is outside the player's territory."),
    ]


def _building_summary(b):
    """One sentence pair for the building's help page: workers, cost, and what it turns into what."""
    n = b.noun
    if b.workers == 0:
        staff_de, staff_en = "kommt ohne Arbeiter aus", "needs no workers"
    elif b.workers == 1:
        staff_de, staff_en = "braucht einen Arbeiter", "needs one worker"
    else:
        staff_de, staff_en = f"braucht {b.workers} Arbeiter", f"needs {b.workers} workers"
    de = f"{n.The()} {staff_de} und kostet {goods_list(b.cost, 'de')}."
    en = f"The {n.en} {staff_en} and costs {goods_list(b.cost, 'en')}."
    if b.produces and b.consumes:
        de += (f" {n.pronoun} stellt {goods_names(b.produces, 'de')} aus "
               f"{goods_names(b.consumes, 'de', dative=True)} her.")
        en += f" It makes {goods_names(b.produces, 'en')} from {goods_names(b.consumes, 'en')}."
    elif b.produces:
        de += f" {n.pronoun} erzeugt {goods_names(b.produces, 'de')}."
        en += f" It produces {goods_names(b.produces, 'en')}."
    elif b.consumes:
        de += f" {n.pronoun} verbraucht {goods_names(b.consumes, 'de')}."
        en += f" It consumes {goods_names(b.consumes, 'en')}."
    else:
        de += f" {n.pronoun} erzeugt und verbraucht keine Waren."
        en += " It neither produces nor consumes goods."
    return de, en


def _buildings_with(key, attribute):
    """German and English names of the buildings that produce or consume a good."""
    found = [b.noun for b in BUILDINGS if key in getattr(b, attribute)]
    return ", ".join(n.de for n in found), ", ".join(n.en for n in found)


def goods_texts(key):
    de, dative, en, desc_de, desc_en = GOODS[key]
    En = en[0].upper() + en[1:]
    makers, users = _buildings_with(key, "produces"), _buildings_with(key, "consumes")
    made_in = ((f"Hergestellt in: {makers[0]}", f"Made in: {makers[1]}") if makers[0]
               else ("Nur durch Handel erhältlich", "Only available through trade"))
    used_by = ((f"Gebraucht von: {users[0]}", f"Used by: {users[1]}") if users[0]
               else ("Wird nur zum Bauen und Handeln gebraucht", "Only needed for building and trade"))
    return [
        (de, En),
        (desc_de, desc_en),
        (f"Startmenge {de}:", f"Starting amount of {en}:"),
        (f"Lagerbestand {de}: %d", f"{En} in stock: %d"),
        (f"Mangel an {dative}!", f"Shortage of {en}!"),
        made_in,
        used_by,
        (f"Einkaufspreis für {de}: %d Münzen", f"Purchase price of {en}: %d coins"),
        (f"Verkaufspreis für {de}: %d Münzen", f"Selling price of {en}: %d coins"),
        (f"Handel mit {dative} erlauben", f"Allow trading {en}"),
        (f"Siegbedingung: %d {de} im Lager", f"Victory condition: %d {en} in stock"),
        (f"Siegbedingung: %d {de} pro Jahr erzeugen", f"Victory condition: produce %d {en} per year"),
        (f"Auslöser: Vorrat an {dative} unter %d", f"Trigger: {en} stock below %d"),
        (f"Auslöser: Vorrat an {dative} über %d", f"Trigger: {en} stock above %d"),
        (f"Ereignis: %d {de} gutschreiben", f"Event: add %d {en}"),
        (f"Ereignis: %d {de} abziehen", f"Event: remove %d {en}"),
        (f"Vorrat an {dative} bei allen Spielern leeren?",
         f"Empty the {en} stock of all players?"),
        (f"Die Startmenge an {dative} darf höchstens 999 betragen.", f"Starting {en} may not exceed 999."),
    ]


def terrain_texts(entry):
    noun, buildable, fertility, walking, description = entry
    de, en = noun.de, noun.en
    return [
        (de, en),
        description,
        (f"Pinsel: {de}", f"Brush: {en}"),
        ("Bebaubar: ja" if buildable else "Bebaubar: nein", "Buildable: yes" if buildable else "Buildable: no"),
        (f"Fruchtbarkeit: {_FERTILITY[fertility][0]}", f"Fertility: {_FERTILITY[fertility][1]}"),
        (f"Fortbewegung: {_WALKING[walking][0]}", f"Walking: {_WALKING[walking][1]}"),
        (f"Alle Felder mit Belag „{de}“ auswählen", f"Select all {en} tiles"),
        (f"„{de}“ durch den gewählten Belag ersetzen", f"Replace {en} with the chosen cover"),
    ]


def object_texts(entry):
    de, en, desc_de, desc_en = entry
    return [(de, en), (f"{de} setzen", f"Place {en}"), (desc_de, desc_en)]


# --- Quick guide -------------------------------------------------------------------------
# One text per page; paragraphs are separated by blank lines as the help window shows them.

GUIDE = [
    ("Kurzanleitung", "Quick Guide"),
    ("Willkommen im Karteneditor von Arvent! Hier entstehen die Landschaften, auf denen Ihre "
     "Mitspieler ihre Städte gründen. Diese Anleitung führt Sie in wenigen Schritten von der leeren "
     "Fläche zur spielbaren Karte.\r\n\r\nBeginnen Sie mit Datei > Neue Karte. Wählen Sie eine "
     "Größe, ein Klima und einen Grundbelag. Für die erste Karte empfehlen wir die mittlere Größe "
     "und das gemäßigte Klima: Dort wachsen alle Bäume, und jedes Gebäude lässt sich bauen.",
     "Welcome to the Arvent map editor! This is where the landscapes are made on which your fellow "
     "players found their towns. This guide takes you in a few steps from an empty plain to a "
     "playable map.\r\n\r\nStart with File > New Map. Choose a size, a climate and a base cover. For "
     "your first map we recommend the medium size and the temperate climate: all trees grow there, "
     "and every building can be built."),
    ("Gelände formen\r\n\r\nMit den Werkzeugen Anheben und Absenken formen Sie Hügel, Berge und "
     "Täler. Halten Sie die linke Maustaste gedrückt, um die Wirkung zu verstärken. Die Pinselgröße "
     "ändern Sie mit dem Mausrad oder den Tasten [ und ].\r\n\r\nAchten Sie darauf, dass zwischen "
     "den Bergen genug ebenes Land bleibt. Gebäude brauchen flachen Boden; an steilen Hängen "
     "lassen sich nur Weinberge, Minen und Steinbrüche errichten. Das Werkzeug Ebnen hilft, "
     "Bauplätze vorzubereiten, und Glätten nimmt harten Kanten die Schärfe.",
     "Shaping the terrain\r\n\r\nUse the Raise and Lower tools to shape hills, mountains and valleys. "
     "Hold the left mouse button to strengthen the effect. Change the brush size with the mouse wheel "
     "or the [ and ] keys.\r\n\r\nMake sure enough level land remains between the mountains. "
     "Buildings need flat ground; only vineyards, mines and quarries can be built on steep slopes. "
     "The Flatten tool helps to prepare building sites, and Smooth takes the edge off harsh ridges."),
    ("Wasser und Flüsse\r\n\r\nDer Wasserstand gilt für die ganze Karte. Alles, was tiefer liegt, "
     "wird zu Flachwasser oder Tiefwasser. Häfen und Werften brauchen Tiefwasser direkt am Ufer, "
     "Fischerhütten genügt flaches Wasser.\r\n\r\nFlüsse ziehen Sie mit dem Flusswerkzeug von der "
     "Quelle zur Mündung. Ein Fluss fließt immer bergab; der Editor gräbt sein Bett selbst in das "
     "Gelände. Denken Sie an Brücken: Straßen können einen Fluss nur dort kreuzen.",
     "Water and rivers\r\n\r\nThe water level applies to the whole map. Everything lower becomes "
     "shallow or deep water. Harbours and shipyards need deep water right at the shore; fishermen's "
     "huts make do with shallow water.\r\n\r\nDraw rivers with the river tool from the source to the "
     "mouth. A river always flows downhill; the editor digs its bed into the terrain by itself. "
     "Remember bridges: roads can only cross a river there."),
    ("Bodenbeläge und Wälder\r\n\r\nDer Bodenbelag bestimmt, was auf einem Feld wächst und gebaut "
     "werden kann. Wiesen und Ackerboden sind fruchtbar, Sand und Geröll nicht. Im "
     "Eigenschaftenfenster sehen Sie zu jedem Belag, ob er bebaubar ist und wie schnell sich die "
     "Bürger darauf bewegen.\r\n\r\nWälder pflanzen Sie mit dem Waldwerkzeug. Mischen Sie Baumarten, "
     "damit der Wald natürlich wirkt, und lassen Sie Lichtungen für die ersten Siedler frei. "
     "Holzfäller brauchen Bäume in der Nähe, sonst stehen sie still.",
     "Ground covers and forests\r\n\r\nThe ground cover decides what grows and what can be built on "
     "a tile. Meadows and farmland are fertile, sand and scree are not. The properties panel shows "
     "for every cover whether it is buildable and how fast citizens move on it.\r\n\r\nPlant forests "
     "with the forest tool. Mix tree species so that the forest looks natural, and leave clearings "
     "free for the first settlers. Woodcutters need trees nearby or they stand idle."),
    ("Rohstoffe\r\n\r\nErz, Kohle, Gold und Salz kommen nur dort vor, wo Sie Vorkommen setzen. "
     "Legen Sie Erz- und Kohlevorkommen an Berge, Salzquellen in Ebenen und Fischgründe ins Wasser. "
     "Jeder Spieler sollte Holz und Stein in der Nähe seiner Startposition finden.\r\n\r\nDie Menge "
     "eines Vorkommens stellen Sie im Eigenschaftenfenster ein. Erschöpfliche Vorkommen versiegen "
     "irgendwann und zwingen die Spieler zum Handel oder zur Ausdehnung.",
     "Resources\r\n\r\nOre, coal, gold and salt only occur where you place deposits. Put ore and coal "
     "deposits on mountains, salt springs on plains and fishing grounds in the water. Every player "
     "should find timber and stone near their start position.\r\n\r\nSet the amount of a deposit in "
     "the properties panel. Exhaustible deposits run dry at some point and force the players to trade "
     "or to expand."),
    ("Spieler und Startpositionen\r\n\r\nUnter Szenario > Spieler legen Sie fest, wie viele Spieler "
     "die Karte hat, wer Mensch und wer Computer ist und wo jeder beginnt. Jeder Spieler erhält an "
     "seiner Startposition ein Rathaus.\r\n\r\nPrüfen Sie mit dem Messwerkzeug, ob die Wege zu den "
     "wichtigsten Rohstoffen für alle Spieler ähnlich lang sind. Eine faire Karte ist eine gute Karte.",
     "Players and start positions\r\n\r\nUnder Scenario > Players you decide how many players the map "
     "has, who is human and who is the computer, and where each one starts. Every player receives a "
     "town hall at their start position.\r\n\r\nUse the measure tool to check whether the routes to "
     "the main resources are about equally long for all players. A fair map is a good map."),
    ("Szenarien\r\n\r\nEin Szenario erzählt eine Geschichte. Legen Sie Siegbedingungen fest, "
     "schreiben Sie eine Einleitung und verbinden Sie Auslöser mit Ereignissen: Wenn die Stadt 500 "
     "Einwohner erreicht, schickt die Gräfin einen Boten; wenn die Kornkammer leer ist, droht ein "
     "Aufstand.\r\n\r\nHalten Sie die ersten Aufgaben einfach und steigern Sie die Anforderungen "
     "langsam. Testen Sie Ihr Szenario mit F5, bevor Sie es weitergeben.",
     "Scenarios\r\n\r\nA scenario tells a story. Set victory conditions, write an introduction and "
     "link triggers to events: when the town reaches 500 citizens, the Countess sends a messenger; "
     "when the granary is empty, an uprising threatens.\r\n\r\nKeep the first tasks simple and raise "
     "the demands slowly. Test your scenario with F5 before you pass it on."),
    ("Prüfen und weitergeben\r\n\r\nMit Karte > Karte prüfen (F7) sucht der Editor nach Fehlern: "
     "fehlende Startpositionen, unerreichbare Rohstoffe, Gebäude im Wasser. Fehler müssen Sie "
     "beheben, Warnungen dürfen Sie bewusst stehen lassen.\r\n\r\nGespeicherte Karten liegen im "
     "Ordner Karten Ihres Arvent-Verzeichnisses. Von dort können Sie sie an Freunde weitergeben. "
     "Viel Freude beim Bauen!",
     "Checking and sharing\r\n\r\nWith Map > Check Map for Errors (F7) the editor looks for errors: missing "
     "start positions, unreachable resources, buildings in water. Errors must be fixed; warnings may "
     "be left on purpose.\r\n\r\nSaved maps are kept in the Maps folder of your Arvent directory. "
     "From there you can pass them on to friends. Enjoy building!"),
]


# --- Tips of the day -----------------------------------------------------------------------
# A pool: the generator keeps as many as the file sizes allow, in this order.

TIPS = [
    ("Wussten Sie schon? Mit der mittleren Maustaste greifen Sie die Karte und verschieben sie.",
     "Did you know? With the middle mouse button you grab the map and move it."),
    ("Halten Sie beim Malen die Umschalttaste gedrückt, um eine gerade Linie zu ziehen.",
     "Hold Shift while painting to draw a straight line."),
    ("Mit Strg beim Malen bleiben bereits bemalte Felder unverändert.",
     "With Ctrl held while painting, tiles that are already painted stay unchanged."),
    ("Die Pipette übernimmt Belag und Höhe eines Feldes. So setzen Sie ein Muster nahtlos fort.",
     "The eyedropper picks up the cover and height of a tile, so you can continue a pattern seamlessly."),
    ("Weiche Pinselkanten sorgen für natürliche Übergänge zwischen zwei Belägen.",
     "Soft brush edges give natural transitions between two covers."),
    ("Ein Fluss wirkt lebendiger, wenn er in sanften Bögen verläuft. Ziehen Sie ihn in mehreren kurzen Stücken.",
     "A river looks livelier when it runs in gentle bends. Draw it in several short pieces."),
    ("Brücken lassen sich nur dort bauen, wo beide Ufer eben sind. Glätten Sie die Ufer vorher.",
     "Bridges can only be built where both banks are level. Smooth the banks first."),
    ("Windmühlen arbeiten auf Anhöhen schneller. Lassen Sie ein paar flache Hügelkuppen frei.",
     "Windmills work faster on high ground. Leave a few flat hilltops free."),
    ("Weinberge brauchen Südhänge. Drehen Sie die Kamera, um die Sonnenseite zu finden.",
     "Vineyards need southern slopes. Rotate the camera to find the sunny side."),
    ("Ein Förster neben jedem Holzfäller hält den Wald dauerhaft am Leben.",
     "A forester next to every woodcutter keeps the forest alive for good."),
    ("Mit Ansicht > Einzugsbereiche anzeigen sehen Sie, wie weit die Arbeiter eines Gebäudes laufen.",
     "View > Show Catchment Areas shows how far the workers of a building walk."),
    ("Sümpfe fördern Seuchen. Ein Badehaus in der Nähe hält die Bürger gesund.",
     "Swamps encourage plagues. A bathhouse nearby keeps the citizens healthy."),
    ("Legen Sie Goldadern weit weg von den Startpositionen an. Der Weg dorthin macht das Spiel spannend.",
     "Place gold veins far from the start positions. The road there makes the game exciting."),
    ("Räuberlager verschwinden erst, wenn ein Wachturm in der Nähe steht.",
     "Robbers' camps only vanish once a watchtower stands nearby."),
    ("Die Minikarte lässt sich als Bild exportieren, zum Beispiel als Vorschau für Ihre Mitspieler.",
     "The minimap can be exported as an image, for example as a preview for your fellow players."),
    ("Mit Datei > Als Vorlage speichern legen Sie eine Karte an, die Sie immer wieder als Ausgangspunkt nutzen.",
     "File > Save as Template creates a map that you can use again and again as a starting point."),
    ("Höhenkarten können Sie in jedem Malprogramm zeichnen: Helle Stellen werden Berge, dunkle werden Täler.",
     "You can draw heightmaps in any paint program: light areas become mountains, dark ones valleys."),
    ("Der Editor speichert regelmäßig eine Sicherung. Das Intervall stellen Sie unter Bearbeiten > Optionen ein.",
     "The editor regularly saves a backup. Set the interval under Edit > Options."),
    ("Auslöser können andere Auslöser starten. So bauen Sie Ketten von Ereignissen für Ihr Szenario.",
     "Triggers can start other triggers. That is how you build chains of events for your scenario."),
    ("Eine Nachricht wirkt stärker, wenn die Kamera dabei auf den Ort des Geschehens schwenkt.",
     "A message has more impact when the camera pans to the scene at the same time."),
    ("Computerspieler mit dem Charakter Händler bauen früh ein Kontor und handeln gern.",
     "Computer players with the Trader personality build a trading post early and like to trade."),
    ("Computerspieler mit dem Charakter Einsiedler greifen nie an, verteidigen sich aber zäh.",
     "Computer players with the Hermit personality never attack, but defend themselves stubbornly."),
    ("Im nordischen Klima frieren Seen im Winter zu. Fischer haben dann nichts zu tun.",
     "In the Nordic climate lakes freeze in winter. Fishermen then have nothing to do."),
    ("Im südlichen Klima wachsen Oliven und Zypressen, aber kein Hopfen.",
     "In the southern climate olives and cypresses grow, but no hops."),
    ("Salzquellen sind wertvoll: Ohne Salz gibt es weder Würste noch Käse.",
     "Salt springs are valuable: without salt there are neither sausages nor cheese."),
    ("Zierobjekte wie Zäune, Heuhaufen und Marktstände haben keine Wirkung im Spiel, machen die Karte aber lebendig.",
     "Ornaments such as fences, haystacks and market stalls have no effect in the game, but bring the map to life."),
    ("Mit Alt und einem Klick sehen Sie alle Eigenschaften eines Feldes auf einen Blick.",
     "Alt and a click show all the properties of a tile at a glance."),
    ("Die Taste G blendet das Raster ein und aus. Mit Raster lassen sich Gebäude leichter ausrichten.",
     "The G key shows and hides the grid. With the grid buildings are easier to line up."),
    ("Ruinen sind unzerstörbar. Nutzen Sie sie als Kulisse für die Geschichte Ihres Szenarios.",
     "Ruins are indestructible. Use them as scenery for the story of your scenario."),
    ("Geben Sie jedem Spieler einen Fluss oder See in Reichweite. Brunnen allein reichen für große Städte nicht.",
     "Give every player a river or lake within reach. Wells alone are not enough for large towns."),
    ("Testen Sie Ihre Karte mit F5 aus der Sicht jedes Spielers. Was für Spieler 1 leicht ist, kann für Spieler 4 schwer sein.",
     "Test your map with F5 from every player's point of view. What is easy for player 1 can be hard for player 4."),
    ("Lange Wege kosten Zeit. Ein Lagerhaus zwischen Wald und Stadt verkürzt die Wege der Träger.",
     "Long walks cost time. A warehouse between forest and town shortens the carriers' walks."),
    ("Beschreiben Sie Ihre Karte unter Karteneigenschaften. Ein guter Text macht neugierig.",
     "Describe your map under Map Properties. A good text makes players curious."),
    ("Ein symmetrischer Aufbau ist für Mehrspielerkarten fair. Die Zufallskarte kann ihn für Sie erzeugen.",
     "A symmetrical layout is fair for multiplayer maps. The random map can create one for you."),
    ("Kleine Inseln mit wertvollen Rohstoffen lohnen den Bau einer Werft.",
     "Small islands with valuable resources make a shipyard worth building."),
    ("Überschwemmungen treffen nur Felder nahe am Wasserstand. Heben Sie Bauland an Flüssen etwas an.",
     "Floods only hit tiles close to the water level. Raise building land along rivers a little."),
    ("Unter Szenario > Freigeschaltete Gebäude bestimmen Sie, welche Gebäude die Spieler von Anfang an bauen dürfen.",
     "Under Scenario > Unlocked Buildings you decide which buildings the players may build from the start."),
    ("Ein Denkmal auf einem Hügel ist von weit her zu sehen und steigert den Ruhm der Stadt.",
     "A monument on a hill can be seen from afar and raises the town's fame."),
    ("Rückgängig machen können Sie so viele Schritte, wie unter Optionen eingestellt sind.",
     "You can undo as many steps as are set under Options."),
    ("Mit Bearbeiten > Suchen finden Sie jedes Gebäude und jedes Objekt auf der Karte nach seinem Namen.",
     "Edit > Find locates every building and every object on the map by its name."),
    ("Wegweiser zeigen Ortsnamen auf der Karte. Geben Sie Dörfern, Bergen und Seen Namen.",
     "Signposts show place names on the map. Give names to villages, mountains and lakes."),
    ("Der Leuchtturm ist nur an der Küste sinnvoll: Er lotst Handelsschiffe sicher in den Hafen.",
     "The lighthouse only makes sense on the coast: it guides trading ships safely into the harbour."),
    ("Eine Karte mit wenig Stein zwingt die Spieler, früh Ziegel zu brennen.",
     "A map with little stone forces the players to fire bricks early."),
    ("Brombeerhecken versperren Wege. Mit ihnen lenken Sie Bürger und Räuber.",
     "Bramble hedges block paths. Use them to steer citizens and robbers."),
    ("Schnee und Eis lassen sich nicht bebauen. Gebirge mit Schneegipfeln sind natürliche Grenzen.",
     "Snow and ice cannot be built on. Mountains with snowy peaks are natural borders."),
    ("Die Startwaren legen fest, wie schnell eine Stadt in Gang kommt. Wenig Werkzeug macht den Anfang schwer.",
     "The starting goods decide how fast a town gets going. Few tools make the beginning hard."),
    ("Ein Theater braucht Kerzen und Kleidung. Planen Sie die Wirtschaft Ihres Szenarios entsprechend.",
     "A theatre needs candles and clothes. Plan the economy of your scenario accordingly."),
    ("Mit der Pinselstärke steuern Sie, wie schnell Anheben und Absenken wirken.",
     "The brush strength controls how fast Raise and Lower take effect."),
    ("Drücken Sie Esc, um ein Werkzeug abzulegen und wieder Felder auszuwählen.",
     "Press Esc to put a tool down and select tiles again."),
    ("Die Nachtansicht zeigt, wie Ihre Stadt im Dunkeln aussieht. Leuchttürme und Gasthäuser leuchten.",
     "The night view shows how your town looks in the dark. Lighthouses and taverns light up."),
    ("Setzen Sie Fischgründe nicht zu nahe an Häfen, sonst vertreiben die Schiffe die Fische.",
     "Do not put fishing grounds too close to harbours, or the ships drive the fish away."),
    ("Ein Wildbestand vermehrt sich nur in großen Wäldern. Kleine Haine jagen die Jäger schnell leer.",
     "A game herd only multiplies in large forests. Hunters quickly empty small groves."),
    ("Höhenlinien machen Gefälle sichtbar. Blenden Sie sie beim Ziehen von Flüssen ein.",
     "Contour lines make gradients visible. Show them while drawing rivers."),
    ("Ein Stadttor öffnet die Stadtmauer für Straßen. Ohne Tor bleibt die Stadt verschlossen.",
     "A town gate opens the town wall for roads. Without a gate the town stays shut."),
    ("Die Meldungen der Kartenprüfung führen per Doppelklick direkt zur betroffenen Stelle.",
     "Double-click a message of the map check to go straight to the spot concerned."),
    ("Nutzen Sie die Zufallsstreuung des Waldwerkzeugs, damit keine geraden Baumreihen entstehen.",
     "Use the forest tool's random scatter so that no straight rows of trees appear."),
    ("Markieren Sie mit der Auswahl einen Bereich und kopieren Sie ihn, um ein Dorf an anderer Stelle zu wiederholen.",
     "Mark an area with the selection and copy it to repeat a village elsewhere."),
    ("Bündnisse sind nur zwischen Spielern desselben Teams möglich. Legen Sie Teams vor der Diplomatie fest.",
     "Alliances are only possible between players of the same team. Set the teams before diplomacy."),
    ("Der Wasserstand lässt sich jederzeit ändern. Alle Felder darunter werden sofort zu Wasser.",
     "The water level can be changed at any time. All tiles below it turn into water at once."),
    ("Ein Dorf wächst schneller, wenn Markt, Brunnen und Kapelle nahe beieinander stehen.",
     "A village grows faster when market, well and chapel stand close together."),
    ("Steile Klippen an der Küste verhindern Häfen. Lassen Sie mindestens eine flache Bucht.",
     "Steep cliffs on the coast prevent harbours. Leave at least one flat bay."),
    ("Eine Kathedrale dauert lange. Als Siegbedingung eignet sie sich für lange Szenarien.",
     "A cathedral takes a long time. As a victory condition it suits long scenarios."),
    ("Mit Karte > Karte drehen richten Sie Ihre Karte neu aus, ohne etwas neu zu bauen.",
     "With Map > Rotate Map you turn your map without rebuilding anything."),
    ("Wenn eine Karte zu leer wirkt, helfen kleine Gruppen von Sträuchern und Findlingen.",
     "If a map looks too empty, small groups of shrubs and boulders help."),
    ("Die Statusleiste zeigt Feld, Höhe und Belag unter dem Mauszeiger.",
     "The status bar shows the tile, height and cover under the mouse pointer."),
    ("Im Mehrspielermodus sollten alle Startpositionen gleich viel Bauland bieten.",
     "In multiplayer mode all start positions should offer the same amount of building land."),
    ("Geben Sie Computerspielern etwas mehr Startgold, wenn sie erfahrene Menschen herausfordern sollen.",
     "Give computer players a little more starting gold when they are to challenge experienced humans."),
    ("Verbundene Straßen erkennt der Editor selbst. Ein Gebäude ohne Anschluss wird rot umrandet.",
     "The editor recognises connected roads by itself. A building without a connection is outlined in red."),
    ("Tastenkürzel finden Sie unter Hilfe > Tastenkürzel. Die meisten Werkzeuge liegen auf den Zifferntasten.",
     "You find the shortcuts under Help > Keyboard Shortcuts. Most tools sit on the number keys."),
    ("Eine gute Einleitung nennt das Ziel des Szenarios in einem Satz.",
     "A good introduction names the goal of the scenario in one sentence."),
    ("Lassen Sie Raum für Erweiterungen. Spieler bauen gern größer, als man denkt.",
     "Leave room for growth. Players like to build bigger than you would think."),
    ("Ein Moor am Stadtrand wirkt düster und passt gut zu einem Szenario mit Seuchen.",
     "A moor on the edge of town looks gloomy and suits a scenario with plagues."),
    ("Die Vorschau der Kartengröße zeigt, welche Teile beim Verkleinern wegfallen.",
     "The resize preview shows which parts are cut off when shrinking."),
    ("Im Testlauf kehren Sie mit Esc in den Editor zurück. Ihre Karte bleibt dabei unverändert.",
     "In a test run, Esc takes you back to the editor. Your map stays unchanged."),
    ("Auf Pflaster wachsen keine Bäume. Plätze bleiben so dauerhaft frei.",
     "No trees grow on paving. Squares thus stay free for good."),
    ("Ein einzelner Findling auf einer Wiese zieht den Blick an. Weniger ist oft mehr.",
     "A single boulder on a meadow draws the eye. Less is often more."),
    ("Mischen Sie Gras und Wiese in unregelmäßigen Flecken, dann wirkt die Landschaft echt.",
     "Mix grass and meadow in irregular patches and the landscape looks real."),
    ("Eine Höhenkarte mit 16 Bit Tiefe ergibt feinere Hänge als eine mit 8 Bit.",
     "A heightmap with 16-bit depth gives finer slopes than one with 8 bits."),
    ("Beim Spiegeln der Karte werden auch Startpositionen und Auslösergebiete gespiegelt.",
     "Mirroring the map also mirrors start positions and trigger areas."),
    ("Wenn ein Auslöser nicht feuert, prüfen Sie, für welche Spieler er gilt.",
     "If a trigger does not fire, check which players it applies to."),
    ("Händlerschiffe kommen nur, wenn ein Spieler einen Hafen an Tiefwasser besitzt.",
     "Trading ships only come when a player owns a harbour on deep water."),
    ("Wer im Editor viel ausprobiert, sollte oft speichern. Strg+S ist schnell gedrückt.",
     "If you experiment a lot in the editor, save often. Ctrl+S is quickly pressed."),
]


# --- Professions ----------------------------------------------------------------------------
# (German, German plural, English, English plural, workplaces by German building name)

PROFESSIONS = [
    ("Holzfäller", "Holzfäller", "Woodcutter", "Woodcutters", ["Holzfällerhütte"]),
    ("Förster", "Förster", "Forester", "Foresters", ["Försterhaus"]),
    ("Säger", "Säger", "Sawyer", "Sawyers", ["Sägewerk"]),
    ("Steinhauer", "Steinhauer", "Quarryman", "Quarrymen", ["Steinbruch"]),
    ("Steinmetz", "Steinmetze", "Stonemason", "Stonemasons", ["Steinmetzhütte"]),
    ("Ziegler", "Ziegler", "Brickmaker", "Brickmakers", ["Lehmgrube", "Ziegelei"]),
    ("Bergmann", "Bergleute", "Miner", "Miners", ["Erzmine", "Kohlemine", "Goldmine"]),
    ("Köhler", "Köhler", "Charcoal Burner", "Charcoal Burners", ["Köhlerei"]),
    ("Schmelzer", "Schmelzer", "Smelter", "Smelters", ["Schmelzhütte"]),
    ("Schmied", "Schmiede", "Smith", "Smiths", ["Werkzeugschmiede", "Waffenschmiede"]),
    ("Bauer", "Bauern", "Farmer", "Farmers", ["Bauernhof", "Hopfengarten", "Schweinezucht"]),
    ("Müller", "Müller", "Miller", "Millers", ["Windmühle"]),
    ("Bäcker", "Bäcker", "Baker", "Bakers", ["Bäckerei"]),
    ("Fischer", "Fischer", "Fisherman", "Fishermen", ["Fischerhütte"]),
    ("Jäger", "Jäger", "Hunter", "Hunters", ["Jagdhütte"]),
    ("Metzger", "Metzger", "Butcher", "Butchers", ["Metzgerei"]),
    ("Schäfer", "Schäfer", "Shepherd", "Shepherds", ["Schäferei"]),
    ("Senner", "Senner", "Dairyman", "Dairymen", ["Molkerei"]),
    ("Weber", "Weber", "Weaver", "Weavers", ["Weberei"]),
    ("Schneider", "Schneider", "Tailor", "Tailors", ["Schneiderei"]),
    ("Brauer", "Brauer", "Brewer", "Brewers", ["Brauerei", "Metsiederei"]),
    ("Imker", "Imker", "Beekeeper", "Beekeepers", ["Imkerei"]),
    ("Winzer", "Winzer", "Winegrower", "Winegrowers", ["Weinberg", "Kelterei"]),
    ("Salzsieder", "Salzsieder", "Salt Boiler", "Salt Boilers", ["Saline"]),
    ("Glasbläser", "Glasbläser", "Glassblower", "Glassblowers", ["Sandgrube", "Glashütte"]),
    ("Kerzenzieher", "Kerzenzieher", "Chandler", "Chandlers", ["Kerzenzieherei"]),
    ("Schreiber", "Schreiber", "Scribe", "Scribes", ["Schreibstube"]),
    ("Münzmeister", "Münzmeister", "Mintmaster", "Mintmasters", ["Münzprägerei"]),
    ("Händler", "Händler", "Merchant", "Merchants", ["Marktplatz", "Kontor"]),
    ("Träger", "Träger", "Carrier", "Carriers", ["Lagerhaus", "Hafen"]),
    ("Schiffbauer", "Schiffbauer", "Shipwright", "Shipwrights", ["Werft"]),
    ("Priester", "Priester", "Priest", "Priests", ["Kapelle", "Kirche", "Kathedrale"]),
    ("Lehrer", "Lehrer", "Teacher", "Teachers", ["Schule", "Bibliothek"]),
    ("Bader", "Bader", "Bath Attendant", "Bath Attendants", ["Badehaus"]),
    ("Wirt", "Wirte", "Innkeeper", "Innkeepers", ["Gasthaus"]),
    ("Schauspieler", "Schauspieler", "Actor", "Actors", ["Theater"]),
    ("Heiler", "Heiler", "Healer", "Healers", ["Hospital"]),
    ("Feuerwehrmann", "Feuerwehrleute", "Firefighter", "Firefighters", ["Feuerwache"]),
    ("Wächter", "Wächter", "Guard", "Guards", ["Wachturm", "Stadttor", "Burg"]),
    ("Ratsherr", "Ratsherren", "Councillor", "Councillors", ["Rathaus"]),
    ("Leuchtturmwärter", "Leuchtturmwärter", "Lighthouse Keeper", "Lighthouse Keepers", ["Leuchtturm"]),
]


def profession_texts(entry):
    de, de_plural, en, en_plural, workplaces = entry
    by_name = {b.noun.de: b.noun for b in BUILDINGS}
    places_de = ", ".join(workplaces)
    places_en = ", ".join(by_name[w].en for w in workplaces)
    return [
        (de, en),
        (de_plural, en_plural),
        (f"Arbeitsstätte: {places_de}", f"Workplace: {places_en}"),
        (f"{de_plural} zu Spielbeginn:", f"{en_plural} at the start:"),
        (f"%d {de_plural} ohne Arbeit", f"%d {en_plural} without work"),
    ]


# --- Help pages of the tools -----------------------------------------------------------------

TOOL_HELP = [
    ("Anheben\r\n\r\nHebt das Gelände unter dem Pinsel an. Je länger Sie die Maustaste halten, desto "
     "höher wächst der Hügel. Mit weicher Kante entstehen sanfte Kuppen, mit harter Kante Plateaus.",
     "Raise\r\n\r\nRaises the terrain under the brush. The longer you hold the mouse button, the higher "
     "the hill grows. A soft edge makes gentle domes, a hard edge makes plateaus."),
    ("Absenken\r\n\r\nSenkt das Gelände unter dem Pinsel ab. Fällt ein Feld unter den Wasserstand, "
     "füllt es sich mit Wasser. So entstehen Seen und Buchten.",
     "Lower\r\n\r\nLowers the terrain under the brush. If a tile drops below the water level, it fills "
     "with water. This is how lakes and bays come about."),
    ("Ebnen\r\n\r\nDas erste angeklickte Feld gibt die Höhe vor; alle Felder, über die Sie danach "
     "streichen, werden auf diese Höhe gebracht. Ideal für Bauplätze und Marktplätze.",
     "Flatten\r\n\r\nThe first tile you click sets the height; every tile you sweep over afterwards is "
     "brought to that height. Ideal for building sites and marketplaces."),
    ("Glätten\r\n\r\nGleicht die Höhen benachbarter Felder einander an. Mehrmaliges Überstreichen "
     "verstärkt die Wirkung. Gebäude und Straßen bleiben dabei unberührt.",
     "Smooth\r\n\r\nBrings the heights of neighbouring tiles closer together. Sweeping over them "
     "several times strengthens the effect. Buildings and roads stay untouched."),
    ("Bodenbelag\r\n\r\nMalt den im Eigenschaftenfenster gewählten Belag auf die Karte. Beläge "
     "bestimmen Fruchtbarkeit, Bebaubarkeit und Laufgeschwindigkeit. Übergänge werden selbstständig "
     "überblendet.",
     "Ground Cover\r\n\r\nPaints the cover chosen in the properties panel onto the map. Covers decide "
     "fertility, buildability and walking speed. Transitions are blended automatically."),
    ("Wald pflanzen\r\n\r\nSetzt Bäume der gewählten Arten. Die Dichte wächst, solange Sie die "
     "Maustaste halten. Bäume wachsen nur auf Belägen, die zu ihnen passen; auf Fels und Wasser "
     "bleibt der Pinsel wirkungslos.",
     "Plant Forest\r\n\r\nPlaces trees of the chosen species. The density grows as long as you hold "
     "the mouse button. Trees only grow on covers that suit them; on rock and water the brush has "
     "no effect."),
    ("Fluss ziehen\r\n\r\nKlicken Sie auf die Quelle und ziehen Sie zur Mündung. Der Editor gräbt das "
     "Flussbett und sorgt für stetiges Gefälle. Ein Fluss muss in einem See, im Meer oder am "
     "Kartenrand enden.",
     "Draw River\r\n\r\nClick the source and drag to the mouth. The editor digs the riverbed and "
     "ensures a steady gradient. A river must end in a lake, in the sea or at the edge of the map."),
    ("Straße bauen\r\n\r\nKlicken Sie auf Anfang und Ende; der kürzeste befahrbare Weg wird "
     "vorgeschlagen. Mit gedrückter Umschalttaste legen Sie die Straße Feld für Feld. Straßen auf "
     "Kies und Pflaster sind schneller.",
     "Build Road\r\n\r\nClick the start and the end; the shortest passable route is suggested. Hold "
     "Shift to lay the road tile by tile. Roads on gravel and paving are faster."),
    ("Gebäude setzen\r\n\r\nWählen Sie ein Gebäude und einen Besitzer und klicken Sie auf die Karte. "
     "Grüne Felder zeigen, wo das Gebäude stehen darf. Mit Q und E drehen Sie es vor dem Setzen.",
     "Place Building\r\n\r\nChoose a building and an owner and click on the map. Green tiles show "
     "where the building may stand. Use Q and E to rotate it before placing."),
    ("Objekte setzen\r\n\r\nSetzt Sträucher, Felsen, Zäune, Zierrat und Rohstoffvorkommen. "
     "Vorkommen bestimmen, wo Minen, Salinen und Fischer arbeiten können.",
     "Place Objects\r\n\r\nPlaces shrubs, rocks, fences, ornaments and resource deposits. Deposits "
     "decide where mines, saltworks and fishermen can work."),
    ("Radierer\r\n\r\nEntfernt alles unter dem Pinsel, was auf dem Gelände steht: Gebäude, Straßen, "
     "Bäume und Objekte. Belag und Höhe bleiben erhalten.",
     "Eraser\r\n\r\nRemoves everything standing on the terrain under the brush: buildings, roads, "
     "trees and objects. Cover and height are kept."),
    ("Pipette\r\n\r\nÜbernimmt Belag und Höhe des angeklickten Feldes in die Werkzeuge. Danach "
     "kehrt der Editor zum vorigen Werkzeug zurück.",
     "Eyedropper\r\n\r\nTakes the cover and height of the clicked tile into the tools. The editor then "
     "returns to the previous tool."),
    ("Entfernung messen\r\n\r\nKlicken Sie auf zwei Felder. Angezeigt werden die Luftlinie, die "
     "Weglänge auf Straßen und die ungefähre Gehzeit eines Bürgers.",
     "Measure Distance\r\n\r\nClick two tiles. The straight-line distance, the path length on roads "
     "and the approximate walking time of a citizen are shown."),
]


# --- Sample scenarios shipped with the editor -----------------------------------------------

SCENARIOS = [
    [
        ("Das Tal der Mühlen", "The Valley of Mills"),
        ("Ein grünes Tal mit einem breiten Fluss. Ideal für den Einstieg: viel Bauland, reichlich "
         "Holz und keine Gegner.",
         "A green valley with a broad river. Ideal for beginners: plenty of building land, lots of "
         "timber and no opponents."),
        ("Die Gräfin hat Ihnen das Tal an der Arve zu Lehen gegeben. Noch stehen hier nur ein paar "
         "Hütten, doch der Boden ist fruchtbar und der Fluss treibt jede Mühle an.",
         "The Countess has granted you the valley on the Arve as a fief. Only a few huts stand here "
         "yet, but the soil is fertile and the river drives any mill."),
        ("Bauen Sie eine Siedlung mit 300 Einwohnern und versorgen Sie sie mit Brot und Fisch.",
         "Build a settlement of 300 citizens and supply it with bread and fish."),
        ("Das Tal blüht! Die Gräfin ist zufrieden und schickt Ihnen einen Baumeister für größere "
         "Aufgaben.",
         "The valley is flourishing! The Countess is pleased and sends you a master builder for "
         "greater tasks."),
        ("Die Bürger haben das Tal verlassen. Versuchen Sie es noch einmal und achten Sie auf die "
         "Versorgung mit Nahrung.",
         "The citizens have left the valley. Try again and keep an eye on the food supply."),
        ("Der erste Winter naht. Legen Sie Vorräte an!", "The first winter is coming. Lay in stores!"),
        ("Ein Händlerschiff ist den Fluss heraufgekommen und bietet Werkzeug an.",
         "A trading ship has come up the river and offers tools."),
    ],
    [
        ("Salz und Silber", "Salt and Silver"),
        ("Eine Küstenkarte für zwei bis vier Spieler. Wer die Salzquellen beherrscht, beherrscht den "
         "Handel.",
         "A coastal map for two to four players. Whoever controls the salt springs controls trade."),
        ("An der Küste von Arvent streiten vier Handelshäuser um die reichen Salzquellen. Jedes "
         "Haus beginnt mit einem kleinen Kontor und wenig Gold.",
         "On the coast of Arvent four trading houses compete for the rich salt springs. Each house "
         "starts with a small trading post and little gold."),
        ("Füllen Sie Ihre Stadtkasse mit 5000 Goldstücken, bevor es einem Mitbewerber gelingt.",
         "Fill your treasury with 5000 gold pieces before a competitor manages it."),
        ("Ihr Handelshaus ist das reichste der Küste. Die Zunft ernennt Sie zum Salzmeister.",
         "Your trading house is the richest on the coast. The guild appoints you salt master."),
        ("Ein anderes Handelshaus war schneller. Ihre Schiffe bleiben im Hafen.",
         "Another trading house was faster. Your ships stay in port."),
        ("Sturm auf See! Alle Schiffe suchen für zwei Monate Schutz im Hafen.",
         "Storm at sea! All ships seek shelter in port for two months."),
        ("Der Salzpreis steigt. Händler zahlen jetzt das Doppelte.", "The price of salt is rising. Traders now pay double."),
    ],
    [
        ("Die Festung im Schnee", "The Fortress in the Snow"),
        ("Ein raues Bergland im Norden. Lange Winter, wenig Ackerland und Räuber in den Pässen.",
         "A harsh highland in the north. Long winters, little farmland and robbers in the passes."),
        ("Der Pass über die Eisberge ist der einzige Weg nach Süden. Wer ihn hält, hält das Land. "
         "Bauen Sie die verfallene Burg wieder auf, bevor die Räuber den Pass besetzen.",
         "The pass over the Ice Mountains is the only road south. Whoever holds it holds the land. "
         "Rebuild the ruined castle before the robbers occupy the pass."),
        ("Errichten Sie eine Burg und drei Wachtürme und überstehen Sie fünf Winter.",
         "Build a castle and three watchtowers and survive five winters."),
        ("Der Pass ist sicher. Händler ziehen wieder nach Süden, und Ihr Name wird in den Liedern "
         "der Spielleute genannt.",
         "The pass is safe. Traders travel south again, and your name is sung in the minstrels' songs."),
        ("Die Räuber haben den Pass besetzt. Der Weg nach Süden ist verloren.",
         "The robbers have occupied the pass. The road south is lost."),
        ("Räuber wurden in den Pässen gesichtet!", "Robbers have been sighted in the passes!"),
        ("Lawinengefahr! Niemand darf die Bergwege betreten.", "Danger of avalanches! Nobody may use the mountain paths."),
    ],
]
