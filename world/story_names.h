#ifndef QUILLMORE_WORLD_STORY_NAMES_H_
#define QUILLMORE_WORLD_STORY_NAMES_H_

// Full names that the story tables compare exactly with the names in the data files.

// People.
constexpr const char* kRuaidhri = "Ruaidhri the photo guy";
constexpr const char* kConor = "Conor";
constexpr const char* kSean = "Sean the musician";
constexpr const char* kJohn = "John the bar tender";
constexpr const char* kSaraJane = "Sara-Jane";
constexpr const char* kJack = "Jack";
constexpr const char* kSiobhan = "Siobhan";
constexpr const char* kTom = "Tom";
constexpr const char* kDiarmuid = "Diarmuid";
constexpr const char* kLiam = "Liam the drunk";
constexpr const char* kCouple = "couple lying on a blanket";
constexpr const char* kEchoGuy = "Echo guy";
constexpr const char* kTomas = "Tomas";
constexpr const char* kRory = "Rory";
constexpr const char* kColleen = "Colleen";
constexpr const char* kVideoGamer = "video gamer";
constexpr const char* kPerformer = "performer";

// Every person the story names: the people file must hold each, named exactly.
constexpr const char* kStoryPeople[] = {
    kRuaidhri, kConor,  kSean,    kJohn,  kSaraJane, kJack,    kSiobhan,    kTom,      kDiarmuid,
    kLiam,     kCouple, kEchoGuy, kTomas, kRory,     kColleen, kVideoGamer, kPerformer};

// Objects that people want or hand over.
constexpr const char* kPhotoSlip = "photo slip";
constexpr const char* kEnglishCoins = "english coins";
constexpr const char* kPhotos = "photos";
constexpr const char* kNapkin = "napkin";
constexpr const char* kPearlEarring = "pearl earring";
constexpr const char* kPintOfGuinness = "pint of Guinness";

// The objects file must hold each of these, named exactly.
constexpr const char* kStoryObjects[] = {kPhotoSlip, kEnglishCoins, kPhotos,
                                         kNapkin,    kPearlEarring, kPintOfGuinness};

// One drink from every pub: the side quest, judged only at the end of a won game.
constexpr const char* kPubDrinks[] = {
    "pint of Bulmers Cider", "pint of Beamish", "pint of Murphy's",
    "pint of Rebel Red",     "shot of Jameson",
};

// Places the code names besides the map.
constexpr const char* kStartRoom = "Fitzgerald Park";
constexpr const char* kDiarmuidsPub = "Washington Inn";

// Location keywords of the objects file, recognised only as the whole line.
constexpr const char* kHeldByPerson = "NPC";
constexpr const char* kCarriedByPlayer = "USER";

#endif  // QUILLMORE_WORLD_STORY_NAMES_H_
