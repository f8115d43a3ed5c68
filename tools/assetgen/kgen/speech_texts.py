"""What the program says, in English and Swedish. Swedish words that the
synthesizer gets wrong are given as phonemes in [[...]]."""

NUMBERS = {
    "english": ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"],
    "swedish": ["noll", "ett", "två", "tre", "fyra", "fem", "sex", "sju", "åtta", "nio"],
}

PRAISE = {
    "english": ["Well done!", "Great job!", "That's right!", "Super!", "You remembered!", "Excellent!"],
    "swedish": ["Bra gjort!", "Jättebra!", "Det var rätt!", "Super!", "Du kom [[Ih'o:g]]!", "[['u-tmERkt]]!"],
}

WRONG = {
    "english": ["Oops, not quite.", "Never mind, try the next one.", "Almost! Keep going.", "That was a tricky one."],
    "swedish": ["Oj, inte riktigt.", "Det gör inget, vi tar nästa.", "Nästan! Fortsätt så.", "Den var svår."],
}

YOURTURN = {"english": "Your turn!", "swedish": "Din [[t'u-R]]!"}

# speech folder: (forward, backward); None where the exercise runs one way only
ONE_WAY = {"pariswheel": "f", "thecircle": "f", "thepond": "f", "space": "f", "zoo": "f", "ghosthouse": "r"}
INSTRUCTIONS = {
    "english": {
        "cans": ("Click the cans in the same order.",
                 "Now click the cans backwards."),
        "treasurechest": ("Click the coins in the same order.",
                          "Click the coins backwards."),
        "pariswheel": ("Click the wagons in the same order.",
                       "Click the wagons backwards, last one first."),
        "thecircle": ("Where was the animal in the middle?",
                      "Where was the animal in the middle?"),
        "thepond": ("Click the fish in the same order.",
                    "Click the fish backwards, last one first."),
        "ghosthouse": ("Listen to the numbers. Then click the buttons in the same order.",
                       "Click the numbers backwards."),
        "space": ("Click the saucers in the same order.",
                  "Click the saucers backwards, last one first."),
        "paint": ("Click the colours in the same order.",
                  "Click the colours backwards now."),
        "zoo": ("Click the animals in the same order.",
                "Click the animals backwards, last one first."),
        "numbertest": ("Press the numbers in the same order.",
                       "Now press the numbers backwards."),
    },
    "swedish": {
        "cans": ("Klicka på burkarna i samma ordning.",
                 "Klicka nu på burkarna baklänges."),
        "treasurechest": ("Klicka på mynten i samma ordning.",
                          "Klicka på mynten baklänges."),
        "pariswheel": ("Klicka på vagnarna i samma ordning.",
                       "Klicka på vagnarna baklänges, den sista först."),
        "thecircle": ("Var fanns djuret i mitten?",
                      "Var fanns djuret i mitten?"),
        "thepond": ("Klicka på fiskarna i samma ordning.",
                    "Klicka på fiskarna baklänges, den sista först."),
        "ghosthouse": ("Lyssna på siffrorna. Klicka sedan på knapparna i samma ordning.",
                       "Klicka på siffrorna baklänges."),
        "space": ("Klicka på tefaten i samma ordning.",
                  "Klicka på tefaten baklänges, det sista först."),
        "paint": ("Klicka på färgerna i samma ordning.",
                  "Klicka nu på färgerna baklänges."),
        "zoo": ("Klicka på djuren i samma ordning.",
                "Klicka på djuren baklänges, det sista först."),
        "numbertest": ("Tryck på siffrorna i samma ordning.",
                       "Tryck nu på siffrorna baklänges."),
    },
}

# the paint pots, in pot order
COLOURS = {
    "english": ["red", "blue", "yellow", "green", "orange", "purple", "pink", "brown"],
    "swedish": ["röd", "blå", "gul", "grön", "[[oR'aNS]]", "lila", "rosa", "[[bR'u-n]]"],
}
COLOUR_WORDS_SV = ["röd", "blå", "gul", "grön", "orange", "lila", "rosa", "brun"]

# the spoken guide: screen -> variants -> prompts. Kept short, since every
# second of speech costs 44 kB in the pack.
GUIDE = {
    "english": {
        "menu": [["Hello! Each picture is an exercise for today.", "Click a picture to start."]],
        "cans": [["Watch the cans light up.", "Then click the same cans in the same order."]],
        "treasure": [["Listen to the numbers, then click those coins."]],
        "pariswheel": [["Watch the wagons light up, then click them."]],
        "thecircle": [["Find the lamp where the animal was."]],
        "thepond": [["Click the fish that blew bubbles."]],
        "ghosthouse": [["Click the numbers backwards."]],
        "space": [["Click the saucers that flashed."]],
        "paint": [["Listen to the colours, then click the pots."]],
        "zoo": [["Click the animals that moved."]],
        "numbertest": [["Listen, then press the same numbers."]],
        "diploma": [["Buy stickers for your diploma."]],
        "diplomaprinter": [["Click a diploma to see it large."]],
        "settings": [["Point at a button to see what it does."]],
        "stats": [["These are your results."]],
        "selectgame": [["Click a picture to switch it on or off."]],
    },
    "swedish": {
        "menu": [["Hej! Varje bild är en övning för i dag.", "Klicka på en bild för att börja."]],
        "cans": [["Titta när burkarna lyser.", "Klicka sedan på samma burkar i samma ordning."]],
        "treasure": [["Lyssna på siffrorna och klicka på de mynten."]],
        "pariswheel": [["Titta på vagnarna som lyser och klicka på dem."]],
        "thecircle": [["Hitta lampan där djuret fanns."]],
        "thepond": [["Klicka på fiskarna som blåste bubblor."]],
        "ghosthouse": [["Klicka på siffrorna baklänges."]],
        "space": [["Klicka på tefaten som blinkade."]],
        "paint": [["Lyssna på färgerna och klicka på burkarna."]],
        "zoo": [["Klicka på djuren som rörde sig."]],
        "numbertest": [["Lyssna och tryck på samma siffror."]],
        "diploma": [["Köp klistermärken till ditt [[dIpl'o:m]]."]],
        "diplomaprinter": [["Klicka på ett [[dIpl'o:m]] för att se det stort."]],
        "settings": [["Peka på en knapp för att se vad den gör."]],
        "stats": [["Här är dina [[Res8lt'A:t]]."]],
        "selectgame": [["Klicka på en bild för att slå på eller av."]],
    },
}
