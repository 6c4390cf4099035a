#include "mms/core/MmsTexts.h"

#include <array>
#include <cstddef>

namespace tov {
namespace {

// Only Chinese and Japanese use letters outside plain ASCII. Leading and trailing blanks are
// part of the texts. Texts a language leaves out are the English ones (URL, the frame's "MMS"
// and, in most languages, "SMS Remote Control").

constexpr MmsLabelTexts kEnglishLabels = {.mmsMode = "MMS Mode",
                                          .mmsSend = "MMS Status",
                                          .pictureNo = "Picture No./ day",
                                          .pictureNote = "Note: 0 = Unlimited",
                                          .country = "Country",
                                          .operatorName = "Operator",
                                          .url = "URL",
                                          .gateway = "Gateway",
                                          .port = "Port",
                                          .phoneNo = "Phone No",
                                          .email = "Email",
                                          .account = "Account",
                                          .password = "Password",
                                          .phoneOrEmail = "Phone or Email",
                                          .select = "Select",
                                          .generate = "Generate",
                                          .exit = "Exit",
                                          .frame = "MMS",
                                          .smsRemote = "SMS Remote Control",
                                          .smsRemoteOff = "Off"};

constexpr std::array<MmsLabelTexts, kLanguageCount> kLabels = {{
    {.mmsMode = "MMS 模式",
     .mmsSend = "MMS 发送",
     .pictureNo = "拍摄张数/每天",
     .pictureNote = "注： 0 = 无限制",
     .country = "国家",
     .operatorName = "运营商",
     .url = "彩信网址",
     .gateway = "彩信网关",
     .port = "彩信端口",
     .phoneNo = "手机号码",
     .account = "帐号",
     .password = "密码",
     .phoneOrEmail = "手机号码或邮件",
     .select = "选择目录",
     .generate = "生成配置文件",
     .exit = "退出",
     .frame = "彩信",
     .smsRemote = "短信远程控制",
     .smsRemoteOff = "关闭"},
    kEnglishLabels,
    {.mmsMode = "MMS Modus",
     .mmsSend = "MMS Einstellung",
     .pictureNo = "Bilderanzahl/Tag",
     .pictureNote = "Hinweis: 0 = Unlimited",
     .country = "Land",
     .operatorName = "Operateur",
     .phoneNo = "Telefonnummer",
     .account = "Konto",
     .password = "Passwort",
     .phoneOrEmail = "Tel. oder Email",
     .select = "Auswahl",
     .generate = "Generieren",
     .exit = "Back",
     .smsRemoteOff = "Aus"},
    {.mmsMode = "MMS valikot",
     .mmsSend = "MMS-tila",
     .pictureNo = "kuvien maara / paiva",
     .pictureNote = "huom! 0 = rajaton",
     .country = "maa",
     .operatorName = "operaattorit",
     .gateway = "gateway",
     .port = "port",
     .phoneNo = "puhelinnumero",
     .email = "Sahkoposti",
     .account = "tili",
     .password = "salasana",
     .phoneOrEmail = "gsm / sahkoposti",
     .select = "valitse",
     .generate = "luo",
     .exit = "poistu",
     .smsRemoteOff = "pois"},
    {.mmsMode = "Modo MMS",
     .mmsSend = "stato MMS",
     .pictureNo = "N. immagine/data",
     .pictureNote = "Nota: -00- = illimitato",
     .country = "Nazione",
     .operatorName = "Operatori",
     .gateway = "GateWay",
     .port = "PORTA",
     .phoneNo = "No. Telefono",
     .phoneOrEmail = "Tel. o mail",
     .select = "Seleziona",
     .generate = "Genera",
     .exit = "Indiet",
     .smsRemoteOff = "OFF"},
    {.mmsMode = "MODE MMS",
     .mmsSend = "Etat MMS",
     .pictureNo = "Image No/jour",
     .pictureNote = "Remarque -00- = illimite",
     .country = "Pays",
     .operatorName = "Operateurs",
     .gateway = "GateWay",
     .phoneNo = "No telephone",
     .account = "Compte",
     .password = "Mot de passe",
     .phoneOrEmail = "Tel. ou e-mail",
     .select = "Choix",
     .generate = "Creer",
     .exit = "Retour",
     .smsRemoteOff = "Arret"},
    {.mmsMode = "MMS Mod",
     .mmsSend = "MMS oll.",
     .pictureNo = "Kepsz./ nap",
     .pictureNote = "Megj. -00- = korlutlan",
     .country = "Orszag",
     .operatorName = "Kezelok",
     .gateway = "Atjaro",
     .phoneNo = "Telefonsz.",
     .account = "Fiok",
     .password = "Jelszo",
     .phoneOrEmail = "Tel.vagy e-level",
     .select = "Kivalaszt",
     .generate = "Letrehoz",
     .exit = "Vissz."},
    {.mmsMode = "Nacin MMS",
     .mmsSend = "Status MMS",
     .pictureNo = "Slika stev./dan",
     .pictureNote = "Navodilo -00-=neomejeno",
     .country = "Drzava",
     .operatorName = "Operater",
     .gateway = "Prehod",
     .port = "VRATA",
     .phoneNo = "Telefonska stev.",
     .account = "Racun",
     .password = "Geslo",
     .phoneOrEmail = "Tel./ e-posta",
     .select = "Izberi",
     .generate = "Generiraj",
     .exit = "Nazaj",
     .smsRemoteOff = "Izklop"},
    {.mmsMode = "Rezim MMS",
     .mmsSend = "Staus MMS",
     .pictureNo = "Snimku za den",
     .pictureNote = "Pozor:0=neomezene",
     .country = " Zeme",
     .operatorName = "Operater",
     .gateway = "GateWay",
     .phoneNo = "Tel. Cislo",
     .account = "Ucet",
     .password = "Heslo",
     .phoneOrEmail = "Telefon / Email",
     .generate = "Generovat",
     .exit = "Vystup",
     .smsRemoteOff = "Vypnuto"},
    {.mmsMode = "MMSステータス",
     .mmsSend = "MMS モード",
     .pictureNo = "撮影数/1日",
     .pictureNote = "注意：0=制限なし",
     .country = "国名",
     .operatorName = "通信会社",
     .gateway = "ゲートウェイ",
     .port = "ポート",
     .phoneNo = "電話",
     .email = "Eメール",
     .account = "アカウント",
     .password = "パスワード",
     .phoneOrEmail = "電話orEメール",
     .select = "フォルダ選択",
     .generate = "ファイル作成",
     .exit = "終了",
     .smsRemoteOff = "オフ"},
    {.mmsMode = "MMS rezimas",
     .mmsSend = "MMS bukle",
     .pictureNo = "Siusti per diena",
     .pictureNote = "Past: Pasir. -00- Neribota",
     .country = "Salis",
     .operatorName = "Operatorius",
     .gateway = "gateway",
     .port = "Portas",
     .phoneNo = "Telefono Nr.",
     .password = "Slaptazodis",
     .phoneOrEmail = "Telefono/Email",
     .select = "Pasirinkti ",
     .generate = " Issaugoti",
     .exit = "Iseiti",
     .smsRemote = " SMS nuotol.valdymas",
     .smsRemoteOff = "ISJ."},
}};

constexpr MmsChoiceTexts kEnglishChoices = {.autoMode = "Auto",
                                            .manualMode = "Manual",
                                            .off = "Off",
                                            .domestic = "Domestic ",
                                            .international = "International"};

// Indexed by language index - 1. The second family's form shows the English words in
// Lithuanian; the first family's are in kLithuanianFirstChoices.
constexpr std::array<MmsChoiceTexts, kLanguageCount> kChoices = {{
    {.autoMode = "自动",
     .manualMode = "手动",
     .off = "关闭",
     .domestic = "国内",
     .international = "国际"},
    kEnglishChoices,
    {.manualMode = "Manuell", .off = "Aus"},
    {.autoMode = "autom", .manualMode = "manuaali", .off = "pois"},
    {.manualMode = "Manuale", .off = "OFF"},
    {.manualMode = "Manuel", .off = "Arret"},
    {.manualMode = "Kezi", .off = "Ki"},
    {.autoMode = "Samodejno", .manualMode = "Rocno", .off = "Izklop"},
    {.autoMode = "Automaticky",
     .manualMode = "Rucne",
     .off = "Vypnuto",
     .domestic = "Domaci ",
     .international = "Mezinarodni"},
    {.autoMode = "オート", .manualMode = "マニュアル", .off = "オフ"},
    kEnglishChoices,
}};

constexpr MmsChoiceTexts kLithuanianFirstChoices = {.autoMode = "Auto",
                                                    .manualMode = "Manual",
                                                    .off = "ISJ.",
                                                    .domestic = "Vietinis ",
                                                    .international = " Tarptautinis"};

// Every text of a table, for filling in what a language leaves out.
constexpr std::array kLabelTexts = {
    &MmsLabelTexts::mmsMode,     &MmsLabelTexts::mmsSend,      &MmsLabelTexts::pictureNo,
    &MmsLabelTexts::pictureNote, &MmsLabelTexts::country,      &MmsLabelTexts::operatorName,
    &MmsLabelTexts::url,         &MmsLabelTexts::gateway,      &MmsLabelTexts::port,
    &MmsLabelTexts::phoneNo,     &MmsLabelTexts::email,        &MmsLabelTexts::account,
    &MmsLabelTexts::password,    &MmsLabelTexts::phoneOrEmail, &MmsLabelTexts::select,
    &MmsLabelTexts::generate,    &MmsLabelTexts::exit,         &MmsLabelTexts::frame,
    &MmsLabelTexts::smsRemote,   &MmsLabelTexts::smsRemoteOff,
};
constexpr std::array kChoiceTexts = {
    &MmsChoiceTexts::autoMode, &MmsChoiceTexts::manualMode,    &MmsChoiceTexts::off,
    &MmsChoiceTexts::domestic, &MmsChoiceTexts::international,
};
// A text added to a structure but not to these lists would never be filled in.
static_assert(sizeof(MmsLabelTexts) == kLabelTexts.size() * sizeof(std::string_view));
static_assert(sizeof(MmsChoiceTexts) == kChoiceTexts.size() * sizeof(std::string_view));

template <class Texts, std::size_t N>
Texts FilledIn(Texts texts, const Texts& english,
               const std::array<std::string_view Texts::*, N>& all) {
    for (const auto member : all) {
        if ((texts.*member).empty()) {
            texts.*member = english.*member;
        }
    }
    return texts;
}

}  // namespace

std::span<std::string_view MmsLabelTexts::*const> AllMmsLabelTexts() {
    return kLabelTexts;
}

std::span<std::string_view MmsChoiceTexts::*const> AllMmsChoiceTexts() {
    return kChoiceTexts;
}

MmsTextTable MmsTextsFor(Family family, int languageIndex) {
    if (languageIndex < 1 || languageIndex > kLanguageCount) {
        return {kEnglishLabels, kEnglishChoices};
    }
    const auto index = static_cast<std::size_t>(languageIndex - 1);
    const MmsChoiceTexts& choices = languageIndex == kLithuanian && family == Family::First
                                        ? kLithuanianFirstChoices
                                        : kChoices[index];
    return {FilledIn(kLabels[index], kEnglishLabels, kLabelTexts),
            FilledIn(choices, kEnglishChoices, kChoiceTexts)};
}

}  // namespace tov
