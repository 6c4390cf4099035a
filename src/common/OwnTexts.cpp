#include "common/OwnTexts.h"

#include <array>

namespace tov {
namespace {

constexpr std::size_t kOwnTextCount = static_cast<std::size_t>(OwnText::kCount);

// One row per text, its cells in the order of the language list: Chinese, English, Deutsch,
// Suomi, Italiano, Francais, Magyar, Slovensko, Cesky, Japanese, Lithuanian.
struct Row {
    OwnText id;
    std::array<std::string_view, kLanguageCount> cells;
};

constexpr std::array<Row, kOwnTextCount> kRows{{
    {OwnText::kMemoryCard,
     {"存储卡：%1", "Memory card: %1", "Speicherkarte: %1", "Muistikortti: %1",
      "Scheda di memoria: %1", "Carte mémoire : %1", "Memóriakártya: %1", "Pomnilniška kartica: %1",
      "Paměťová karta: %1", "メモリーカード：%1", "Atminties kortelė: %1"}},
    {OwnText::kMemoryCards,
     {"存储卡：", "Memory cards:", "Speicherkarten:", "Muistikortit:", "Schede di memoria:",
      "Cartes mémoire :", "Memóriakártyák:", "Pomnilniške kartice:", "Paměťové karty:",
      "メモリーカード：", "Atminties kortelės:"}},
    {OwnText::kCardListName,
     {"存储卡", "Memory card", "Speicherkarte", "Muistikortti", "Scheda di memoria",
      "Carte mémoire", "Memóriakártya", "Pomnilniška kartica", "Paměťová karta", "メモリーカード",
      "Atminties kortelė"}},
    {OwnText::kChooseCard,
     {"选择存储卡", "Choose a card", "Karte auswählen", "Valitse kortti", "Scegli una scheda",
      "Choisir une carte", "Válasszon kártyát", "Izberite kartico", "Vyberte kartu", "カードを選択",
      "Pasirinkite kortelę"}},
    {OwnText::kCardSpace,
     {"%1（%2，可用 %3，共 %4）", "%1 (%2, %3 free of %4)", "%1 (%2, %3 von %4 frei)",
      "%1 (%2, vapaana %3 / %4)", "%1 (%2, %3 liberi su %4)", "%1 (%2, %3 libres sur %4)",
      "%1 (%2, szabad: %3 / %4)", "%1 (%2, prosto %3 od %4)", "%1 (%2, volno %3 z %4)",
      "%1（%2、空き %3 / %4）", "%1 (%2, laisva %3 iš %4)"}},
    {OwnText::kReadOnly,
     {"只读", "read-only", "schreibgeschützt", "vain luku", "sola lettura", "lecture seule",
      "csak olvasható", "samo za branje", "jen pro čtení", "読み取り専用", "tik skaitoma"}},
    {OwnText::kUnknownFileSystem,
     {"未知文件系统", "unknown file system", "unbekanntes Dateisystem",
      "tuntematon tiedostojärjestelmä", "file system sconosciuto", "système de fichiers inconnu",
      "ismeretlen fájlrendszer", "neznan datotečni sistem", "neznámý souborový systém",
      "不明なファイルシステム", "nežinoma failų sistema"}},
    {OwnText::kUnreadable,
     {"%1：相机只能读取 FAT12/16/32 和 exFAT", "%1: the camera reads FAT12/16/32 and exFAT only",
      "%1: Die Kamera liest nur FAT12/16/32 und exFAT",
      "%1: kamera lukee vain FAT12/16/32- ja exFAT-muotoa",
      "%1: la fotocamera legge solo FAT12/16/32 ed exFAT",
      "%1 : l’appareil ne lit que FAT12/16/32 et exFAT",
      "%1: a kamera csak FAT12/16/32 és exFAT fájlrendszert olvas",
      "%1: kamera bere samo FAT12/16/32 in exFAT", "%1: fotopast čte jen FAT12/16/32 a exFAT",
      "%1：カメラが読めるのは FAT12/16/32 と exFAT だけです",
      "%1: kamera skaito tik FAT12/16/32 ir exFAT"}},

    {OwnText::kLoadThem,
     {"载入", "Load them", "Laden", "Lataa", "Carica", "Charger", "Betöltés", "Naloži", "Načíst",
      "読み込む", "Įkelti"}},
    {OwnText::kThisCard,
     {"此存储卡", "This card", "Diese Karte", "Tämä kortti", "Questa scheda", "Cette carte",
      "Ez a kártya", "Ta kartica", "Tato karta", "このカード", "Ši kortelė"}},
    {OwnText::kThisFolder,
     {"此文件夹", "This folder", "Dieser Ordner", "Tämä kansio", "Questa cartella", "Ce dossier",
      "Ez a mappa", "Ta mapa", "Tato složka", "このフォルダー", "Šis aplankas"}},
    {OwnText::kHoldsSettings,
     {"%1存有 %2 的设置，写于 %3。", "%1 holds settings for a %2 written %3.",
      "%1 enthält Einstellungen für %2 vom %3.",
      "%1 sisältää mallin %2 asetukset (kirjoitettu %3).",
      "%1 contiene impostazioni per %2 scritte il %3.",
      "%1 contient des réglages pour %2 écrits le %3.",
      "%1 egy %2 beállításait tartalmazza (írva: %3).", "%1 vsebuje nastavitve za %2, zapisane %3.",
      "%1 obsahuje nastavení pro %2 zapsané %3.", "%1には %3 に書き込まれた %2 の設定があります。",
      "%1 saugo %2 nustatymus, įrašytus %3."}},
    {OwnText::kCannotLoad,
     {"%1中的 %2 无法载入：%3。", "%1 holds a %2 that cannot be loaded: %3.",
      "%1 enthält die Datei %2, die sich nicht laden lässt: %3.",
      "%1 sisältää tiedoston %2, jota ei voi ladata: %3.",
      "%1 contiene un file %2 che non si può caricare: %3.",
      "%1 contient un fichier %2 qui ne peut pas être chargé : %3.",
      "%1 tartalmaz egy %2 fájlt, amely nem tölthető be: %3.",
      "%1 vsebuje datoteko %2, ki je ni mogoče naložiti: %3.",
      "%1 obsahuje soubor %2, který nelze načíst: %3.", "%1の %2 は読み込めません：%3。",
      "%1 saugo failą %2, kurio negalima įkelti: %3."}},
    {OwnText::kOtherModel,
     {"%1中的 %2 属于其他型号，或含有 %3 的此表单不会写入的值：%4。",
      "%1 holds a %2 of another model or with values this form does not write for a %3: %4.",
      "%1 enthält die Datei %2 eines anderen Modells oder mit Werten, die dieses Formular für %3 "
      "nicht schreibt: %4.",
      "%1 sisältää toisen mallin tiedoston %2 tai arvoja, joita tämä lomake ei kirjoita mallille "
      "%3: %4.",
      "%1 contiene un file %2 di un altro modello o con valori che questo modulo non scrive per "
      "%3: %4.",
      "%1 contient un fichier %2 d’un autre modèle ou avec des valeurs que ce formulaire "
      "n’écrit pas pour %3 : %4.",
      "%1 egy másik modell %2 fájlját tartalmazza, vagy olyan értékeket, amelyeket ez az űrlap "
      "%3 esetén nem ír: %4.",
      "%1 vsebuje datoteko %2 drugega modela ali z vrednostmi, ki jih ta obrazec za %3 ne "
      "zapisuje: %4.",
      "%1 obsahuje soubor %2 jiného modelu nebo s hodnotami, které tento formulář pro %3 "
      "nezapisuje: %4.",
      "%1の %2 は別の機種のものか、このフォームが %3 用に書き込まない値を含んでいます：%4。",
      "%1 saugo kito modelio failą %2 arba failą su reikšmėmis, kurių ši forma modeliui %3 "
      "nerašo: %4."}},
    {OwnText::kLoaded,
     {"已载入 %1 的设置。", "Loaded the settings of %1.", "Die Einstellungen aus %1 sind geladen.",
      "Tiedoston %1 asetukset on ladattu.", "Impostazioni di %1 caricate.",
      "Réglages de %1 chargés.", "A(z) %1 beállításai betöltve.", "Nastavitve iz %1 so naložene.",
      "Nastavení z %1 je načteno.", "%1 の設定を読み込みました。", "%1 nustatymai įkelti."}},
    {OwnText::kOtherFamily,
     {"%1存有本工具为 %2（另一系列）写入的设置：此表单无法载入。",
      "%1 holds settings the tool wrote for a %2, of another family: this form cannot load them.",
      "%1 enthält Einstellungen, die das Programm für %2 (eine andere Baureihe) geschrieben hat: "
      "Dieses Formular kann sie nicht laden.",
      "%1 sisältää asetukset, jotka ohjelma kirjoitti mallille %2 (toinen malliperhe): tämä "
      "lomake ei voi ladata niitä.",
      "%1 contiene impostazioni scritte dal programma per %2, di un’altra serie: questo modulo "
      "non può caricarle.",
      "%1 contient des réglages écrits par l’outil pour %2, d’une autre gamme : ce formulaire ne "
      "peut pas les charger.",
      "%1 olyan beállításokat tartalmaz, amelyeket a program egy másik családba tartozó %2 "
      "számára írt: ez az űrlap nem töltheti be őket.",
      "%1 vsebuje nastavitve, ki jih je program zapisal za %2 iz druge družine: ta obrazec jih ne "
      "more naložiti.",
      "%1 obsahuje nastavení, která program zapsal pro %2 z jiné řady: tento formulář je nemůže "
      "načíst.",
      "%1には、別のシリーズの %2 "
      "用にこのツールが書き込んだ設定があります。このフォームでは読み込めません。",
      "%1 saugo nustatymus, kuriuos programa įrašė kitos šeimos modeliui %2: ši forma negali jų "
      "įkelti."}},
    {OwnText::kFamilyUnknown,
     {"该文件未标明所属相机系列；载入时将按 %1 的设置读取。",
      "The file does not tell which camera family it was written for; it would be read as "
      "settings for a %1.",
      "Die Datei sagt nicht, für welche Kamerabaureihe sie geschrieben wurde; sie würde als "
      "Einstellungen für %1 gelesen.",
      "Tiedostosta ei selviä, mille kameraperheelle se on kirjoitettu; se luettaisiin mallin %1 "
      "asetuksina.",
      "Il file non indica per quale serie di fotocamere è stato scritto; verrebbe letto come "
      "impostazioni per %1.",
      "Le fichier n’indique pas pour quelle gamme d’appareils il a été écrit ; il serait lu comme "
      "des réglages pour %1.",
      "A fájlból nem derül ki, melyik kameracsaládhoz írták; %1 beállításaiként olvasnánk be.",
      "Datoteka ne pove, za katero družino kamer je bila zapisana; prebrana bi bila kot "
      "nastavitve za %1.",
      "Soubor neuvádí, pro kterou řadu fotoaparátů byl zapsán; byl by načten jako nastavení pro "
      "%1.",
      "このファイルからは、どのカメラシリーズ用に書き込まれたか分かりません。%1 "
      "の設定として読み込まれます。",
      "Faile nenurodyta, kuriai kamerų šeimai jis įrašytas; jis būtų perskaitytas kaip %1 "
      "nustatymai."}},

    {OwnText::kEjectButton,
     {"弹出存储卡", "Eject the card", "Karte auswerfen", "Irrota kortti", "Espelli la scheda",
      "Éjecter la carte", "Kártya kiadása", "Izvrzi kartico", "Vysunout kartu", "カードを取り出す",
      "Išstumti kortelę"}},
    {OwnText::kWriteAnother,
     {"写入另一张存储卡", "Write the same to another card",
      "Dasselbe auf eine weitere Karte schreiben", "Kirjoita sama toiselle kortille",
      "Scrivi le stesse impostazioni su un’altra scheda",
      "Écrire les mêmes réglages sur une autre carte", "Ugyanezt írja egy másik kártyára",
      "Enako zapiši na drugo kartico", "Zapsat totéž na další kartu",
      "同じ内容を別のカードに書き込む", "Įrašyti tą patį į kitą kortelę"}},
    {OwnText::kCancel,
     {"取消", "Cancel", "Abbrechen", "Peruuta", "Annulla", "Annuler", "Mégse", "Prekliči", "Zrušit",
      "キャンセル", "Atšaukti"}},

    {OwnText::kSaveProfile,
     {"保存配置", "Save profile", "Profil speichern", "Tallenna profiili", "Salva profilo",
      "Enregistrer le profil", "Profil mentése", "Shrani profil", "Uložit profil",
      "プロファイルを保存", "Išsaugoti profilį"}},
    {OwnText::kOpenProfile,
     {"打开配置", "Open profile", "Profil öffnen", "Avaa profiili", "Apri profilo",
      "Ouvrir un profil", "Profil megnyitása", "Odpri profil", "Otevřít profil",
      "プロファイルを開く", "Atverti profilį"}},
    {OwnText::kIncludePasswords,
     {"包含密码（文件仅所有者可读）", "Include passwords (only you may read the file)",
      "Passwörter einschließen (nur Sie können die Datei lesen)",
      "Sisällytä salasanat (vain sinä voit lukea tiedoston)",
      "Includi le password (solo tu potrai leggere il file)",
      "Inclure les mots de passe (vous seul pourrez lire le fichier)",
      "Jelszavakkal együtt (csak Ön olvashatja a fájlt)",
      "Vključi gesla (datoteko boste lahko brali le vi)",
      "Zahrnout hesla (soubor budete moci číst jen vy)",
      "パスワードを含める（ファイルはあなただけが読めます）",
      "Įtraukti slaptažodžius (failą galėsite skaityti tik jūs)"}},
    {OwnText::kProfileFilter,
     {"配置文件 (*.json)", "Profiles (*.json)", "Profile (*.json)", "Profiilit (*.json)",
      "Profili (*.json)", "Profils (*.json)", "Profilok (*.json)", "Profili (*.json)",
      "Profily (*.json)", "プロファイル (*.json)", "Profiliai (*.json)"}},
    {OwnText::kUseLastSettings,
     {"使用您上次为此型号写入的设置", "Use the settings you last wrote for this model",
      "Die zuletzt für dieses Modell geschriebenen Einstellungen verwenden",
      "Käytä asetuksia, jotka kirjoitit viimeksi tälle mallille",
      "Usa le ultime impostazioni scritte per questo modello",
      "Utiliser les derniers réglages écrits pour ce modèle",
      "Az ehhez a modellhez legutóbb írt beállítások használata",
      "Uporabi nastavitve, ki ste jih nazadnje zapisali za ta model",
      "Použít nastavení, která jste pro tento model zapsali naposledy",
      "この機種に前回書き込んだ設定を使う",
      "Naudoti nustatymus, kuriuos paskutinį kartą įrašėte šiam modeliui"}},
    {OwnText::kPasswordsNotKept,
     {"（密码未保存）", " (passwords are not kept)", " (Passwörter werden nicht gespeichert)",
      " (salasanoja ei säilytetä)", " (le password non vengono conservate)",
      " (les mots de passe ne sont pas conservés)", " (jelszavak nélkül)",
      " (gesla se ne shranjujejo)", " (hesla se neukládají)", "（パスワードは保存されません）",
      " (slaptažodžiai nesaugomi)"}},
    {OwnText::kUseThem,
     {"使用", "Use them", "Verwenden", "Käytä", "Usa", "Utiliser", "Alkalmaz", "Uporabi", "Použít",
      "使用する", "Naudoti"}},

    {OwnText::kFolderName,
     {"目录", "Folder", "Ordner", "Kansio", "Cartella", "Dossier", "Mappa", "Mapa", "Složka",
      "フォルダー", "Aplankas"}},
}};

// The placeholders %1..%9 a text holds, one bit each.
consteval unsigned Placeholders(std::string_view text) {
    unsigned found = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            found |= 1U << (text[i + 1] - '1');
        }
    }
    return found;
}

// Every text in its place, in every language, and none losing a value the English one shows.
consteval bool Complete() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].id != static_cast<OwnText>(i)) {
            return false;
        }
        for (const std::string_view cell : kRows[i].cells) {
            if (cell.empty() || Placeholders(cell) != Placeholders(kRows[i].cells[1])) {
                return false;
            }
        }
    }
    return true;
}
static_assert(Complete(), "every own text needs all eleven languages, in the enumeration's "
                          "order, with the English text's placeholders");

const Row& RowOf(OwnText text) {
    return kRows[static_cast<std::size_t>(text) < kRows.size() ? static_cast<std::size_t>(text)
                                                               : 0];
}

}  // namespace

std::string_view OwnLabel(OwnText text, int languageIndex) {
    const auto& cells = RowOf(text).cells;
    if (languageIndex < 1 || languageIndex > kLanguageCount) {
        return cells[kEnglish - 1];
    }
    return cells[static_cast<std::size_t>(languageIndex - 1)];
}

std::string_view OwnMessage(OwnText text, int languageIndex) {
    const auto& cells = RowOf(text).cells;
    return PickMessage({cells[kChinese - 1], cells[kEnglish - 1]}, languageIndex);
}

}  // namespace tov
