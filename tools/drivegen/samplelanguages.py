"""Word glossaries and help sentences of the sample drive's reference languages.

The translations are partial on purpose, as reference files often are: descriptions go
through the glossary word by word (a word it lacks stays English), and only the help
sentences listed here exist in the language.
"""

GLOSSARY = {
    "French": {
        "speed": "vitesse", "reference": "référence", "ref": "réf", "rate": "rampe", "accel": "accél",
        "decel": "décél", "motor": "moteur", "current": "courant", "voltage": "tension", "limit": "limite",
        "mode": "mode", "select": "choix", "enable": "validation", "time": "temps", "gain": "gain",
        "output": "sortie", "input": "entrée", "level": "niveau", "source": "source", "destination": "destination",
        "dest": "dest", "invert": "inverse", "filter": "filtre", "trip": "défaut", "brake": "frein",
        "position": "position", "feedback": "retour", "encoder": "codeur", "status": "état", "state": "état",
        "maximum": "maximum", "minimum": "minimum", "max": "max", "min": "min", "rated": "nominal",
        "power": "puissance", "factor": "facteur", "poles": "pôles", "temp": "temp", "error": "erreur",
        "read": "lecture", "only": "seule", "in": "en", "seconds": "secondes", "per": "par", "or": "ou",
        "off": "arrêt", "on": "marche", "select option": "choix", "loop": "boucle", "thermal": "thermique",
        "preset": "présél", "skip": "saut", "jog": "marche par à-coups", "slot": "emplac", "module": "module",
        "torque": "couple", "stop": "arrêt", "run": "marche", "forward": "avant", "reverse": "arrière",
    },
    "German": {
        "speed": "Drehzahl", "reference": "Sollwert", "ref": "Soll", "rate": "Rampe", "accel": "Beschl",
        "decel": "Verzög", "motor": "Motor", "current": "Strom", "voltage": "Spannung", "limit": "Grenze",
        "mode": "Modus", "select": "Auswahl", "enable": "Freigabe", "time": "Zeit", "gain": "Verstärk",
        "output": "Ausgang", "input": "Eingang", "level": "Pegel", "source": "Quelle", "destination": "Ziel",
        "dest": "Ziel", "invert": "invert", "filter": "Filter", "trip": "Fehler", "brake": "Bremse",
        "position": "Position", "feedback": "Rückführ", "encoder": "Geber", "status": "Status", "state": "Zustand",
        "rated": "Nenn", "power": "Leistung", "factor": "Faktor", "poles": "Pole", "error": "Fehler",
        "read": "nur", "only": "lesen", "in": "in", "seconds": "Sekunden", "per": "pro", "or": "oder",
        "off": "Aus", "on": "Ein", "loop": "Regler", "thermal": "thermisch", "torque": "Moment",
        "stop": "Stopp", "run": "Lauf", "forward": "vorwärts", "reverse": "rückwärts", "slot": "Steckpl",
    },
    "Spanish": {
        "speed": "velocidad", "reference": "referencia", "ref": "ref", "rate": "rampa", "accel": "acel",
        "decel": "decel", "motor": "motor", "current": "corriente", "voltage": "tensión", "limit": "límite",
        "mode": "modo", "select": "selección", "enable": "habilitar", "time": "tiempo", "gain": "ganancia",
        "output": "salida", "input": "entrada", "level": "nivel", "source": "origen", "destination": "destino",
        "dest": "destino", "filter": "filtro", "trip": "fallo", "brake": "freno", "feedback": "realim",
        "encoder": "encóder", "status": "estado", "state": "estado", "rated": "nominal", "power": "potencia",
        "poles": "polos", "error": "error", "read": "solo", "only": "lectura", "in": "en",
        "seconds": "segundos", "or": "o", "off": "apagado", "on": "encendido", "torque": "par",
    },
    "Italian": {
        "speed": "velocità", "reference": "riferimento", "ref": "rif", "rate": "rampa", "accel": "accel",
        "decel": "decel", "motor": "motore", "current": "corrente", "voltage": "tensione", "limit": "limite",
        "mode": "modo", "select": "selezione", "enable": "abilita", "time": "tempo", "gain": "guadagno",
        "output": "uscita", "input": "ingresso", "level": "livello", "trip": "allarme", "brake": "freno",
        "status": "stato", "rated": "nominale", "power": "potenza", "error": "errore", "in": "in",
        "seconds": "secondi", "off": "spento", "on": "acceso", "torque": "coppia",
    },
}

# Help sentences by kind: "{name}" is the parameter's translated name, "{menu}" its menu.
HELP = {
    "French": {
        "speed": "Règle {name} du menu {menu}.",
        "rate": "Temps de rampe pour {name}.",
        "select": "Choisit le mode de {name}.",
        "flag": "Active ou désactive {name}.",
        "status": "Affiche {name} en lecture seule.",
        "trip": "Défaut {name}: vérifier le câblage puis réarmer le variateur.",
    },
    "German": {
        "speed": "Stellt {name} im Menü {menu} ein.",
        "rate": "Rampenzeit für {name}.",
        "select": "Wählt die Betriebsart für {name}.",
        "flag": "Schaltet {name} ein oder aus.",
        "status": "Zeigt {name} an, nur lesen.",
        "gain": "Verstärkung {name} des Reglers.",
        "trip": "Fehler {name}: Verdrahtung prüfen und Umrichter zurücksetzen.",
    },
    "Spanish": {
        "speed": "Ajusta {name} del menú {menu}.",
        "select": "Selecciona el modo de {name}.",
        "status": "Muestra {name}, solo lectura.",
        "trip": "Fallo {name}: revise el cableado y rearme el variador.",
    },
    "Italian": {
        "speed": "Imposta {name} del menu {menu}.",
        "status": "Mostra {name}, sola lettura.",
        "trip": "Allarme {name}: controllare i collegamenti e resettare.",
    },
}
