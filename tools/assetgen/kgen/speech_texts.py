"""What the program says, in English and Swedish. Swedish words that the
synthesizer gets wrong are given as phonemes in [[...]]."""

NUMBERS = {
    "english": ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"],
    "swedish": ["noll", "ett", "två", "tre", "fyra", "fem", "sex", "sju", "åtta", "nio"],
}

PRAISE = {
    "english": ["Well done!", "Great job!", "That's right!", "Super!", "You remembered!", "Excellent!"],
    "swedish": ["Bra gjort!", "Jättebra!", "Det var rätt!", "Super!", "Du kom ihåg!", "Utmärkt!"],
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
        "cans": ("Click the cans in the same order as they lit up.",
                 "Now click the cans backwards. Start with the last one."),
        "treasurechest": ("Listen to the numbers. Then click the coins in the same order.",
                          "Listen to the numbers. Then click the coins backwards, last number first."),
        "pariswheel": ("Watch the wagons light up. Then click them in the same order.",
                       "Click the wagons backwards, last one first."),
        "thecircle": ("Listen to the animals. Then find where the animal in the middle was.",
                      "Listen to the animals. Then find where the animal in the middle was."),
        "thepond": ("Watch the fish blow bubbles. Then click the same fish in the same order.",
                    "Click the fish backwards, last one first."),
        "ghosthouse": ("Listen to the numbers. Then click the buttons in the same order.",
                       "Listen to the numbers. Then click the buttons backwards, last number first."),
        "space": ("Watch the flying saucers flash. Then click them in the same order.",
                  "Click the saucers backwards, last one first."),
        "paint": ("Listen to the colours. Then click the paint pots in the same order.",
                  "Now click the paint pots backwards, last colour first."),
        "zoo": ("Watch the animals move. Then click them in the same order.",
                "Click the animals backwards, last one first."),
        "numbertest": ("Listen to the numbers. Then press the same numbers in the same order.",
                       "Now press the numbers backwards, last number first."),
    },
    "swedish": {
        "cans": ("Klicka på burkarna i samma ordning som de lyste.",
                 "Klicka nu på burkarna baklänges. Börja med den sista."),
        "treasurechest": ("Lyssna på siffrorna. Klicka sedan på mynten i samma ordning.",
                          "Lyssna på siffrorna. Klicka sedan på mynten baklänges, sista siffran först."),
        "pariswheel": ("Titta när vagnarna lyser. Klicka sedan på dem i samma ordning.",
                       "Klicka på vagnarna baklänges, den sista först."),
        "thecircle": ("Lyssna på djuren. Hitta sedan var djuret i mitten fanns.",
                      "Lyssna på djuren. Hitta sedan var djuret i mitten fanns."),
        "thepond": ("Titta när fiskarna blåser bubblor. Klicka sedan på samma fiskar i samma ordning.",
                    "Klicka på fiskarna baklänges, den sista först."),
        "ghosthouse": ("Lyssna på siffrorna. Klicka sedan på knapparna i samma ordning.",
                       "Lyssna på siffrorna. Klicka sedan på knapparna baklänges, sista siffran först."),
        "space": ("Titta när de flygande tefaten blinkar. Klicka sedan på dem i samma ordning.",
                  "Klicka på tefaten baklänges, det sista först."),
        "paint": ("Lyssna på färgerna. Klicka sedan på färgburkarna i samma ordning.",
                  "Klicka nu på färgburkarna baklänges, sista färgen först."),
        "zoo": ("Titta när djuren rör sig. Klicka sedan på dem i samma ordning.",
                "Klicka på djuren baklänges, det sista först."),
        "numbertest": ("Lyssna på siffrorna. Tryck sedan på samma siffror i samma ordning.",
                       "Tryck nu på siffrorna baklänges, sista siffran först."),
    },
}

# the paint pots, in pot order
COLOURS = {
    "english": ["red", "blue", "yellow", "green", "orange", "purple", "pink", "brown"],
    "swedish": ["röd", "blå", "gul", "grön", "[[oR'aNS]]", "lila", "rosa", "[[bR'u-n]]"],
}
COLOUR_WORDS_SV = ["röd", "blå", "gul", "grön", "orange", "lila", "rosa", "brun"]

# the spoken guide: screen -> variants -> prompts (short: every second of
# speech costs 44 kB in the pack)
GUIDE = {
    "english": {
        "menu": [["Hello! Each picture is an exercise for today.",
                  "Click a picture to start."]],
        "cans": [["Some cans will light up, one after another.",
                  "Press the green button. Then click the same cans in the same order."]],
        "treasure": [["Listen to the numbers.", "Then click the coins with those numbers."]],
        "pariswheel": [["Some wagons will light up while the wheel turns.",
                        "Click the same wagons in the same order."]],
        "thecircle": [["An animal hides behind each lamp.",
                       "Click the lamp where the animal in the middle was."]],
        "thepond": [["Some fish will blow bubbles.", "Click the same fish in the same order."]],
        "ghosthouse": [["Welcome to the ghost house!", "Click the numbers backwards, last one first."]],
        "space": [["The flying saucers will flash.", "Click the same saucers in the same order."]],
        "paint": [["Listen to the colours.", "Then click the paint pots in the same order."]],
        "zoo": [["Some animals will move and call.", "Click the same animals in the same order."]],
        "numbertest": [["Listen to the numbers.", "Then press the same numbers."]],
        "diploma": [["Buy stickers with your coins.", "Click a sticker, then click the diploma."]],
        "diplomaprinter": [["Click a diploma to see it large. You can print it or save it."]],
        "settings": [["Point at a button to see what it does."]],
        "stats": [["Here are your results. Click a picture to see more."]],
        "selectgame": [["Click a picture to switch an exercise on or off."]],
    },
    "swedish": {
        "menu": [["Hej! Varje bild är en övning för i dag.", "Klicka på en bild för att börja."]],
        "cans": [["Några burkar lyser, en i taget.",
                  "Tryck på den gröna knappen. Klicka sedan på samma burkar i samma ordning."]],
        "treasure": [["Lyssna på siffrorna.", "Klicka sedan på mynten med de siffrorna."]],
        "pariswheel": [["Några vagnar lyser medan hjulet snurrar.",
                        "Klicka på samma vagnar i samma ordning."]],
        "thecircle": [["Bakom varje lampa gömmer sig ett djur.",
                       "Klicka på lampan där djuret i mitten fanns."]],
        "thepond": [["Några fiskar blåser bubblor.", "Klicka på samma fiskar i samma ordning."]],
        "ghosthouse": [["Välkommen till spökhuset!", "Klicka på siffrorna baklänges, den sista först."]],
        "space": [["De flygande tefaten blinkar.", "Klicka på samma tefat i samma ordning."]],
        "paint": [["Lyssna på färgerna.", "Klicka sedan på färgburkarna i samma ordning."]],
        "zoo": [["Några djur rör sig och låter.", "Klicka på samma djur i samma ordning."]],
        "numbertest": [["Lyssna på siffrorna.", "Tryck sedan på samma siffror."]],
        "diploma": [["Köp klistermärken med dina mynt.", "Klicka på ett märke och sedan på diplomet."]],
        "diplomaprinter": [["Klicka på ett diplom för att se det stort. Du kan skriva ut det eller spara det."]],
        "settings": [["Peka på en knapp för att se vad den gör."]],
        "stats": [["Här är dina resultat. Klicka på en bild för att se mer."]],
        "selectgame": [["Klicka på en bild för att slå på eller stänga av en övning."]],
    },
}
