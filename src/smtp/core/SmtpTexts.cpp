#include "smtp/core/SmtpTexts.h"

#include <array>

namespace tov {
namespace {

// Only Chinese and Japanese use letters outside plain ASCII. Leading blanks are part of the
// texts. Designated initializers keep every text next to its name.

constexpr SmtpTexts kChineseTexts = {
    .modeLabel = "Smtp 模式",
    .maxImagesLabel = "拍摄张数/每天",
    .maxImagesNote = "注： 0 = 无限制",
    .countryLabel = "国家",
    .operatorLabel = "运营商",
    .accountLabel = "帐号",
    .gprsPasswordLabel = "密码",
    .smtpServerLabel = "Smtp 服务器",
    .portLabel = "Smtp端口",
    .senderEmailLabel = "发送人Email",
    .senderPasswordLabel = "发送人密码",
    .phoneNumberLabel = "手机号码",
    .recipientEmailLabel = "Email 01",
    .selectButton = "选择目录",
    .generateButton = "生成配置文件",
    .exitButton = "退出",
    .smsRemoteLabel = "短信远程控制",
    .off = "关闭",
    .autoMode = "自动",
    .manualMode = "手动",
};

constexpr SmtpTexts kEnglishTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Picture No./ day",
    .maxImagesNote = "Note: 0 = Unlimited",
    .countryLabel = "Country",
    .operatorLabel = "Operator",
    .accountLabel = "Account",
    .gprsPasswordLabel = "Password",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "Phone No",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Select",
    .generateButton = "Generate",
    .exitButton = "Exit",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Off",
    .autoMode = "Auto",
    .manualMode = "Manual",
};

constexpr SmtpTexts kDeutschTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Bilderanzahl/Tag",
    .maxImagesNote = "Hinweis: 0 = Unlimited",
    .countryLabel = "Land",
    .operatorLabel = "Operateur",
    .accountLabel = "Konto",
    .gprsPasswordLabel = "Passwort",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "Telefonnummer",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Auswahl",
    .generateButton = "Generieren",
    .exitButton = "Back",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Aus",
    .autoMode = "Auto",
    .manualMode = "Manuell",
};

constexpr SmtpTexts kSuomiTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "kuvien maara / paiva",
    .maxImagesNote = "huom! 0 = rajaton",
    .countryLabel = "maa",
    .operatorLabel = "operaattorit",
    .accountLabel = "tili",
    .gprsPasswordLabel = "salasana",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "puhelinnumero",
    .recipientEmailLabel = "Sahkoposti 01",
    .selectButton = "valitse",
    .generateButton = "luo",
    .exitButton = "poistu",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "pois",
    .autoMode = "Autom",
    .manualMode = "Manuaali",
};

constexpr SmtpTexts kItalianoTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "N. immagine/data",
    .maxImagesNote = "Nota: -00- = illimitato",
    .countryLabel = "Nazione",
    .operatorLabel = "Operatori",
    .accountLabel = "Account",
    .gprsPasswordLabel = "Password",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "No. Telefono",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Seleziona",
    .generateButton = "Genera",
    .exitButton = "Indiet",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "OFF",
    .autoMode = "Auto",
    .manualMode = "Manuale",
};

constexpr SmtpTexts kFrancaisTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Image No/jour",
    .maxImagesNote = "Remarque -00- = illimite",
    .countryLabel = "Pays",
    .operatorLabel = "Operateurs",
    .accountLabel = "Compte",
    .gprsPasswordLabel = "Mot de passe",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "No telephone",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Choix",
    .generateButton = "Creer",
    .exitButton = "Retour",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Arret",
    .autoMode = "Auto",
    .manualMode = "Manuale",
};

constexpr SmtpTexts kMagyarTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Kepsz./ nap",
    .maxImagesNote = "Megj. -00- = korlutlan",
    .countryLabel = "Orszag",
    .operatorLabel = "Kezelok",
    .accountLabel = "Fiok",
    .gprsPasswordLabel = "Jelszo",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "Telefonsz.",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Kivalaszt",
    .generateButton = "Letrehoz",
    .exitButton = "Vissz.",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Off",
    .autoMode = "Auto",
    .manualMode = "Kezi",
};

constexpr SmtpTexts kSlovenskoTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Slika stev./dan",
    .maxImagesNote = "Navodilo -00-=neomejeno",
    .countryLabel = "Drzava",
    .operatorLabel = "Operater",
    .accountLabel = "Racun",
    .gprsPasswordLabel = "Geslo",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Password",
    .phoneNumberLabel = "Telefonska stev.",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Izberi",
    .generateButton = "Generiraj",
    .exitButton = "Nazaj",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Izklop",
    .autoMode = "Samodejno",
    .manualMode = "Rocno",
};

constexpr SmtpTexts kCeskyTexts = {
    .modeLabel = "Smtp Mode",
    .maxImagesLabel = "Snimku za den",
    .maxImagesNote = "Pozor:0=neomezene",
    .countryLabel = " Zeme",
    .operatorLabel = "Operater",
    .accountLabel = "Ucet",
    .gprsPasswordLabel = "Heslo",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "Port",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "Heslo",
    .phoneNumberLabel = "Tel. Cislo",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Vybrat",
    .generateButton = "Generovat",
    .exitButton = "Vystup",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "Vypnuto",
    .autoMode = "Automaticky",
    .manualMode = "Rucne",
};

constexpr SmtpTexts kJapaneseTexts = {
    .modeLabel = "Smtpモード",
    .maxImagesLabel = "撮影数/1日",
    .maxImagesNote = "注意：0=制限なし",
    .countryLabel = "国名",
    .operatorLabel = "通信会社",
    .accountLabel = "アカウント",
    .gprsPasswordLabel = "パスワード",
    .smtpServerLabel = "Smtp Server",
    .portLabel = "ポート",
    .senderEmailLabel = "Sender Email",
    .senderPasswordLabel = "パスワード",
    .phoneNumberLabel = "電話",
    .recipientEmailLabel = "Eメール01",
    .selectButton = "フォルダ選択",
    .generateButton = "ファイル作成",
    .exitButton = "終了",
    .smsRemoteLabel = "SMS Remote Control",
    .off = "オフ",
    .autoMode = "オート",
    .manualMode = "マニュアル",
};

constexpr SmtpTexts kLithuanianTexts = {
    .modeLabel = " Smtp rezimas",
    .maxImagesLabel = "Siusti per diena",
    .maxImagesNote = "Past: Pasir. -00- Neribota",
    .countryLabel = "Salis",
    .operatorLabel = "Operatorius",
    .accountLabel = "Account",
    .gprsPasswordLabel = "Slaptazodis",
    .smtpServerLabel = "Smtp serveris",
    .portLabel = "Port",
    .senderEmailLabel = "Siuntejo email",
    .senderPasswordLabel = "Slaptazodis",
    .phoneNumberLabel = "Telefono Nr.",
    .recipientEmailLabel = "Email 01",
    .selectButton = "Pasirinkti",
    .generateButton = " Issaugoti",
    .exitButton = "Iseiti",
    .smsRemoteLabel = " SMS nuotol.valdymas",
    .off = "ISJ.",
    .autoMode = "Auto",
    .manualMode = "Manual",
};

// Indexed by language index - 1.
constexpr std::array<const SmtpTexts*, 11> kTextsByLanguage = {
    &kChineseTexts,  &kEnglishTexts,  &kDeutschTexts,    &kSuomiTexts,
    &kItalianoTexts, &kFrancaisTexts, &kMagyarTexts,     &kSlovenskoTexts,
    &kCeskyTexts,    &kJapaneseTexts, &kLithuanianTexts,
};

}  // namespace

const SmtpTexts& SmtpTextsFor(int languageIndex) {
    if (languageIndex < 1 || languageIndex > static_cast<int>(kTextsByLanguage.size())) {
        return kEnglishTexts;
    }
    return *kTextsByLanguage[static_cast<std::size_t>(languageIndex - 1)];
}

}  // namespace tov
