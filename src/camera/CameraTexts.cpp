#include "camera/CameraTexts.h"

#include <array>
#include <cstddef>

namespace tov {
namespace {

// Each table lists the labels in the order of CameraLabelTexts (the Japanese-only captions
// last), then the choices in the order of CameraChoiceTexts. Only Chinese and Japanese use
// letters outside plain ASCII; every other language writes its words without accents.

constexpr CameraTextTable kChineseTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "模式", "图象尺寸", "录像尺寸", "拍摄张数", "时间戳", "灵敏度", "侧面PIR", "录像长度",
         "间隔时间", "设置时间", "定时设置", "定时设置2", "序列号", "定时拍摄",
         // Time lapse row, the three buttons, clock row
         "开始:", "停止:", "生成配置文件", "出厂设置", "退出", "时间格式", "获取时间",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Camera", "Video", "Camera+Video"},
                .pictureNumbers = {"01 张", "02 张", "03 张"},
                .on = "开",
                .off = "关",
                .senseLevels = {"正常", "高", "低", "关闭"},
                .intervalUnits = {"秒", "分"},
                .dateFormats = {"年月日", "月日年", "日月年"},
                .select = "选择目录"}};

constexpr CameraTextTable kEnglishTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Mode", "Image Size", "Video Size", "Picture No.", "Time Stamp", "Sense Level", "Side PIR",
         "Video Length", "Interval", "Set Clock", "Timer", "Timer2", "Serial No.", "Time Lapse",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "Generate", "Default", "Exit", "Date Format", "Get Time",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Camera", "Video", "Camera+Video"},
                .pictureNumbers = {"01 Photo", "02 Photo", "03 Photo"},
                .on = "On",
                .off = "Off",
                .senseLevels = {"Normal", "High", "Low", "Off"},
                .intervalUnits = {"Sec", "Min"},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Select"}};

constexpr CameraTextTable kDeutschTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Modus", "Foto-Groesse", "Video-Groesse", "Fot Nummer", "Zeit Stempel", "Sensor Sensib.",
         "Seiten-BM", "Video-laenge", "Intervall", "Uhr stellen", "Zeitschaltuhr", "Zeitschaltuhr2",
         "Kd.Serien Nr.", "Zeitraffer",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "Generieren", "Werkseinstell.", "Beenden", "Datumsformat",
         "Uhrzeit anfragen",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Foto-Kamera", "Video-Kamera", "Foto+Video"},
                .pictureNumbers = {"01 Foto", "02 Foto", "03 Foto"},
                .on = "Ein",
                .off = "Aus",
                .senseLevels = {"Normal", "Hoch", "Niedring", "Aus"},
                .intervalUnits = {"Sek", "Min"},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Auswahl"}};

constexpr CameraTextTable kSuomiTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "kuvaustila", "kuvan koko", "videon koko", "kuvien lkm", "aikaleima", "herkkyystaso",
         "sivutunnistin", "videon pituus", "ottoviive", "aseta kello", "ajastinkytkin",
         "ajastinkytkin2", "aseta srj.n:o", "ajastin kuvaus",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "luo", "oletusasetus.", "poistu", "pvm muoto", "Hae aika",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Kamera", "Video", "kam+Video"},
                .pictureNumbers = {"01 kuvaa", "02 kuvaa", "03 kuvaa"},
                .on = "paalla",
                .off = "pois",
                .senseLevels = {"normaali", "korkea", "matala", "pois"},
                .intervalUnits = {"s", "min."},
                .dateFormats = {"VVKKPP", "KKPPVV", "PPKKVV"},
                .select = "valitse"}};

constexpr CameraTextTable kItalianoTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Modo", "Dim. foto", "Dim. video", "Foto no.", "Data/ora", "Sensore sens.", "PIR lat.",
         "Lungh. video", "Intervallo", "Imposta ora", "Timer", "Timer2", "No. di serie",
         "Eff. accel.",
         // Time lapse row, the three buttons, clock row
         "Avvio:", "Stop:", "Invio", "Imp. fabbrica.", "Indiet", "Formato data", "Prel. Ora",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Foto", "Video", "Foto e video"},
                .pictureNumbers = {"01 Foto", "02 Foto", "03 Foto"},
                .on = "ON",
                .off = "OFF",
                .senseLevels = {"Normale", "Alta", "Bassa", "OFF"},
                .intervalUnits = {"sec.", "min."},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Seleziona"}};

constexpr CameraTextTable kFrancaisTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Mode", "Taille photo", "Taille video", "Numero photo", "Tampon temps", "Sensib capteur",
         "Det. IR passif", "Long. de video", "Intervalle", "Regler horloge", "Minuterie",
         "Minuterie2", "No de ssrie", "Accelere",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "Creer", "Reglage usine", "Retour", "Date Format", "Obtenir heure",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Photo", "Video", "Photo+Video"},
                .pictureNumbers = {"01 Photo", "02 Photo", "03 Photo"},
                .on = "Marche",
                .off = "Arret",
                .senseLevels = {"Normal", "Eleve", "Bas", "Arret"},
                .intervalUnits = {"Sec", "Min"},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Choix"}};

constexpr CameraTextTable kMagyarTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Mod", "Fenykepmer.", "Video meret", "Fenykepsz.", "Idobelyeg.", "Erzekelo erz.",
         "Oldal. PIVD", "Video hossz", "Interval", "Uraollitos", "Idokapcs. ora", "Idokapcs. ora2",
         "Sorsz.", "Idolass.",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "Enter", "Gyari beall.", "Vissz.", "Datum formatum", "Idot szerez",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Camera", "Video", "Camera+Video"},
                .pictureNumbers = {"01 Fenykep", "02 Fenykep", "03 Fenykep"},
                .on = "Be",
                .off = "Ki",
                .senseLevels = {"Normul", "Magas", "Alacsony", "Ki"},
                .intervalUnits = {"mp", "prec"},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Kivalaszt"}};

constexpr CameraTextTable kSlovenskoTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Nacin", "Velikost slike", "Velikost videa", "Stev. slike", "Casovni zig",
         "Obcut. senzor.", "Strani PIRD", "Dolzina slike", "Interval", "Nastav. ure",
         "Merilnik casa", "Merilnik casa2", "Serijska stev.", "Hitro predv.",
         // Time lapse row, the three buttons, clock row
         "Zacetek:", "Stop:", "Enter", "Default", "Nazaj", "Format datuma", "Pridobi uro",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Slika", "Video", "Slika+Video"},
                .pictureNumbers = {"01 Slika", "02 Slika", "03 Slika"},
                .on = "Vklop",
                .off = "Izklop",
                .senseLevels = {"Normalno", "Visoko", "Nizko", "Izklop"},
                .intervalUnits = {"Sek.", "Min."},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "Izberi"}};

constexpr CameraTextTable kCeskyTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Rezim", "Rozlis.foto", "Rozlis.video", "Poc. Zaznamu", "Otisk dat/cas", "Citlivost PIR",
         "Postr.Pir", "Delka video", "Prodleva", "Datum a cas", "Casovac", "Casovac2", "Por.cislo",
         "Casosber",
         // Time lapse row, the three buttons, clock row
         "Start:", "Stop:", "Generovat", "Reset", "Vystup", "Format Data", "Nastavit cas",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Foto", "Video", "Foto+Video"},
                .pictureNumbers = {"01 Foto", "02 Foto", "03 Foto"},
                .on = "Zapnuto",
                .off = "Vypnuto",
                .senseLevels = {"Normalni", "Vsoka", "Nizka", "Vypnuto"},
                .intervalUnits = {"Sec", "Min"},
                .dateFormats = {"RRMMDD", "MMDDRR", "DDMMRR"},
                .select = "Vybrat"}};

constexpr CameraTextTable kJapaneseTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "モード", "静止画解像度", "動画解像度", "連続撮影", "タイムスタンプ", "センサー感度",
         "サイドセンサー", "動画撮影時間", "インターバル", "日時設定", "タイマー", "タイマー2",
         "任意文字挿入", "タイムラプス",
         // Time lapse row, the three buttons, clock row
         "開始:", "終了:", "ファイル作成", "初期設定", "終了", "日時表示", "PC時間反映",
         // Second timer row and time field captions
         "開始:", "終了:", "時", "分", "秒"},
    .choices = {.cameraModes = {"静止画", "動画", "静止画+動画"},
                .pictureNumbers = {"01 Photo", "02 Photo", "03 Photo"},
                .on = "オン",
                .off = "オフ",
                .senseLevels = {"中", "高", "低", "オフ"},
                .intervalUnits = {"秒", "分"},
                .dateFormats = {"YYMMDD", "MMDDYY", "DDMMYY"},
                .select = "フォルダ選択"}};

constexpr CameraTextTable kLithuanianTexts = {
    .labels =
        {// Settings column, 1004 to 1020
         "Rezimas", "Nuotraukos rez.", "Vaizdo ir.rez.", "Nuotr.numeris", "Datos zyme", "Jautrumas",
         "Soninis PIR", "Iraso trukme", "Intervalas", "Datos nustat.", "Timeris1", "Timeris2",
         "Serijinis Nr", "Laikmacio tarp",
         // Time lapse row, the three buttons, clock row
         "Pradeti:", "Stabdyti:", " Issaugoti", "Gamykl.nustat.", "Iseiti", "Datos formatas",
         "Nuskait.laika",
         // Second timer row and time field captions
         "", "", "", "", ""},
    .choices = {.cameraModes = {"Foto", "Video", "Foto+Video"},
                .pictureNumbers = {"01 Photo", "02 Photo", "03 Photo"},
                .on = "IJ.",
                .off = "ISJ.",
                .senseLevels = {"Normalus", "Aukstas", "Zemas", "ISJ."},
                .intervalUnits = {"sek", "min"},
                .dateFormats = {"MMmmdd", "mmddMM", "ddmmMM"},
                .select = "Pasirinkti"}};

// The second family's form shows the Slovensko interval units without the full stop.
constexpr CameraTextTable WithIntervalUnits(CameraTextTable table,
                                            std::array<std::string_view, 2> units) {
    table.choices.intervalUnits = units;
    return table;
}
constexpr CameraTextTable kSlovenskoSecondTexts =
    WithIntervalUnits(kSlovenskoTexts, {"Sek", "Min"});

struct FamilyTables {
    const CameraTextTable* first;
    const CameraTextTable* second;
};

// Indexed by language index - 1. The second family's form has no Lithuanian texts.
constexpr std::array<FamilyTables, kLanguageCount> kTablesByLanguage{{
    {&kChineseTexts, &kChineseTexts},
    {&kEnglishTexts, &kEnglishTexts},
    {&kDeutschTexts, &kDeutschTexts},
    {&kSuomiTexts, &kSuomiTexts},
    {&kItalianoTexts, &kItalianoTexts},
    {&kFrancaisTexts, &kFrancaisTexts},
    {&kMagyarTexts, &kMagyarTexts},
    {&kSlovenskoTexts, &kSlovenskoSecondTexts},
    {&kCeskyTexts, &kCeskyTexts},
    {&kJapaneseTexts, &kJapaneseTexts},
    {&kLithuanianTexts, &kEnglishTexts},
}};

}  // namespace

const CameraTextTable& CameraTextsFor(Family family, int languageIndex) {
    if (languageIndex < 1 || languageIndex > kLanguageCount) {
        return kEnglishTexts;
    }
    const FamilyTables& tables = kTablesByLanguage[static_cast<std::size_t>(languageIndex - 1)];
    return family == Family::First ? *tables.first : *tables.second;
}

}  // namespace tov
