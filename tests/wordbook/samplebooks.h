// The sample word books installed with the program, as data. tst_samplebooks checks
// that the files in data/ are exactly these books as SaveWordBook writes them, and
// writes them anew when VELMOR_WRITE_SAMPLE_BOOKS=1 is set.
#pragma once

#include <QList>
#include <QString>

#include "wordbookfile.h"

struct SampleBook
{
    QString folder; // below data/
    WordBook book;
};

namespace samples {

inline const QString kRed = QStringLiteral("#FF0000");

inline WordEntry w(const char16_t *foreign, const char16_t *ipa, const char16_t *kana,
                   const char16_t *japanese, const char16_t *notes = u"",
                   const char16_t *voice = u"", const QString &colour = QString())
{
    return {QString::fromUtf16(foreign),
            QString::fromUtf16(ipa),
            QString::fromUtf16(kana),
            QString::fromUtf16(japanese),
            QString::fromUtf16(notes),
            QString::fromUtf16(voice),
            colour};
}

inline SampleBook book(const char16_t *folder, const char16_t *file, const char16_t *title,
                       const char16_t *group, QList<WordEntry> words)
{
    SampleBook s;
    s.folder = QString::fromUtf16(folder);
    s.book.fileName = QString::fromUtf16(file);
    s.book.title = QString::fromUtf16(title);
    s.book.group = QString::fromUtf16(group);
    s.book.words = std::move(words);
    return s;
}

} // namespace samples

// clang-format off
inline QList<SampleBook> SampleBooks()
{
    using namespace samples;
    QList<SampleBook> all;

    // 欧文: several languages side by side.
    all.append(book(u"bookA", u"EuropeGreetings.utx", u"ヨーロッパのあいさつ", u"あいさつ", {
        w(u"Hello", u"həˈloʊ", u"ハロー", u"こんにちは", u"英語", u"en_hello.wav"),
        w(u"Bonjour", u"bɔ̃ʒuʁ", u"ボンジュール", u"こんにちは；おはよう", u"フランス語", u"fr_bonjour.wav"),
        w(u"Guten Tag", u"ˈɡuːtn̩ ˈtaːk", u"グーテン ターク", u"こんにちは", u"ドイツ語", u"de_guten_tag.wav"),
        w(u"Hola", u"ˈola", u"オラ", u"こんにちは；やあ", u"スペイン語"),
        w(u"Buongiorno", u"bwɔnˈdʒorno", u"ボンジョルノ", u"こんにちは；おはよう", u"イタリア語"),
        w(u"Olá", u"oˈla", u"オラ", u"こんにちは", u"ポルトガル語"),
        w(u"Goedendag", u"ˌɣudəˈdɑx", u"フーデダッハ", u"こんにちは", u"オランダ語"),
        w(u"Thank you", u"ˈθæŋk juː", u"サンキュー", u"ありがとう", u"英語"),
        w(u"Merci", u"mɛʁsi", u"メルスィ", u"ありがとう", u"フランス語"),
        w(u"Danke", u"ˈdaŋkə", u"ダンケ", u"ありがとう", u"ドイツ語"),
        w(u"Gracias", u"ˈɡɾaθjas", u"グラシアス", u"ありがとう", u"スペイン語"),
        w(u"Grazie", u"ˈɡrattsje", u"グラツィエ", u"ありがとう", u"イタリア語"),
        w(u"Obrigado", u"obɾiˈɡadu", u"オブリガード", u"ありがとう",
          u"ポルトガル語\r\n女性が言うときは Obrigada"),
        w(u"Dank je", u"ˈdɑŋk jə", u"ダンク イェ", u"ありがとう", u"オランダ語"),
    }));
    all.append(book(u"bookA", u"EuropeTravel.utx", u"旅行の単語（6言語）", u"旅行", {
        w(u"station", u"ˈsteɪʃən", u"ステイション", u"駅", u"英語"),
        w(u"gare", u"ɡaʁ", u"ガール", u"駅", u"フランス語・女性名詞"),
        w(u"Bahnhof", u"ˈbaːnˌhoːf", u"バーンホーフ", u"駅", u"ドイツ語・男性名詞"),
        w(u"estación", u"estaˈθjon", u"エスタシオン", u"駅", u"スペイン語・女性名詞"),
        w(u"stazione", u"statˈtsjoːne", u"スタツィオーネ", u"駅", u"イタリア語・女性名詞"),
        w(u"estação", u"istaˈsɐ̃w̃", u"イスタサォン", u"駅", u"ポルトガル語・女性名詞（ブラジルの発音）"),
        w(u"ticket", u"ˈtɪkɪt", u"ティケット", u"切符", u"英語"),
        w(u"billet", u"bijɛ", u"ビエ", u"切符", u"フランス語・男性名詞"),
        w(u"Fahrkarte", u"ˈfaːɐ̯ˌkaʁtə", u"ファールカルテ", u"切符", u"ドイツ語・女性名詞"),
        w(u"billete", u"biˈʎete", u"ビジェテ", u"切符", u"スペイン語・男性名詞"),
        w(u"biglietto", u"biʎˈʎetto", u"ビリエット", u"切符", u"イタリア語・男性名詞"),
        w(u"bilhete", u"biˈʎetʃi", u"ビリェチ", u"切符", u"ポルトガル語・男性名詞（ブラジルの発音）"),
    }));

    // 欧文の辞書: a small dictionary of basic nouns.
    all.append(book(u"bookG", u"BasicNouns.utx", u"小辞典　基本名詞（6言語）", u"名詞", {
        w(u"water", u"ˈwɔːtər", u"ウォーター", u"水", u"英語"),
        w(u"eau", u"o", u"オ", u"水", u"フランス語・女性名詞"),
        w(u"Wasser", u"ˈvasɐ", u"ヴァッサー", u"水", u"ドイツ語・中性名詞"),
        w(u"agua", u"ˈaɣwa", u"アグア", u"水", u"スペイン語・女性名詞（冠詞は el）"),
        w(u"acqua", u"ˈakkwa", u"アックア", u"水", u"イタリア語・女性名詞"),
        w(u"água", u"ˈaɡwɐ", u"アグア", u"水", u"ポルトガル語・女性名詞"),
        w(u"bread", u"brɛd", u"ブレッド", u"パン", u"英語"),
        w(u"pain", u"pɛ̃", u"パン", u"パン", u"フランス語・男性名詞"),
        w(u"Brot", u"bʁoːt", u"ブロート", u"パン", u"ドイツ語・中性名詞"),
        w(u"pan", u"pan", u"パン", u"パン", u"スペイン語・男性名詞"),
        w(u"pane", u"ˈpaːne", u"パーネ", u"パン", u"イタリア語・男性名詞"),
        w(u"pão", u"pɐ̃w̃", u"パォン", u"パン", u"ポルトガル語・男性名詞"),
        w(u"house", u"haʊs", u"ハウス", u"家", u"英語"),
        w(u"maison", u"mɛzɔ̃", u"メゾン", u"家", u"フランス語・女性名詞"),
        w(u"Haus", u"haʊ̯s", u"ハウス", u"家", u"ドイツ語・中性名詞"),
        w(u"casa", u"ˈkasa", u"カサ", u"家", u"スペイン語・女性名詞"),
        w(u"casa", u"ˈkaːsa", u"カーサ", u"家", u"イタリア語・女性名詞"),
        w(u"casa", u"ˈkazɐ", u"カザ", u"家", u"ポルトガル語・女性名詞"),
    }));

    all.append(book(u"EnglishA", u"Greetings.utx", u"英語のあいさつ", u"あいさつ", {
        w(u"hello", u"həˈloʊ", u"ハロー", u"こんにちは；やあ", u"", u"hello.wav"),
        w(u"good morning", u"ɡʊd ˈmɔːrnɪŋ", u"グッド モーニング", u"おはようございます", u"",
          u"good_morning.wav"),
        w(u"good afternoon", u"ɡʊd ˌæftərˈnuːn", u"グッド アフタヌーン", u"こんにちは（午後）"),
        w(u"good evening", u"ɡʊd ˈiːvnɪŋ", u"グッド イーヴニング", u"こんばんは"),
        w(u"good night", u"ɡʊd ˈnaɪt", u"グッド ナイト", u"おやすみなさい"),
        w(u"goodbye", u"ɡʊdˈbaɪ", u"グッドバイ", u"さようなら"),
        w(u"thank you", u"ˈθæŋk juː", u"サンキュー", u"ありがとう", u"", u"thank_you.wav"),
        w(u"please", u"pliːz", u"プリーズ", u"どうぞ；お願いします",
          u"Yes, please. で \"はい、お願いします\""),
        w(u"sorry", u"ˈsɔːri", u"ソーリー", u"ごめんなさい"),
        w(u"excuse me", u"ɪkˈskjuːz miː", u"エクスキューズ ミー", u"すみません",
          u"人に話しかけるときや、前を通るときに"),
        w(u"nice to meet you", u"ˈnaɪs tə ˈmiːt juː", u"ナイス トゥ ミーチュー", u"はじめまして"),
        w(u"see you later", u"ˈsiː juː ˈleɪtər", u"シー ユー レイター", u"またあとで"),
    }));
    all.append(book(u"EnglishA", u"BasicVerbs.utx", u"英語の基本動詞", u"動詞", {
        w(u"be", u"biː", u"ビー", u"～である；いる", u"不規則動詞\r\nam/is/are - was/were - been", u"", kRed),
        w(u"have", u"hæv", u"ハヴ", u"持っている", u"不規則動詞\r\nhave - had - had", u"", kRed),
        w(u"do", u"duː", u"ドゥー", u"する", u"不規則動詞\r\ndo - did - done", u"", kRed),
        w(u"go", u"ɡoʊ", u"ゴウ", u"行く", u"不規則動詞\r\ngo - went - gone", u"", kRed),
        w(u"come", u"kʌm", u"カム", u"来る", u"不規則動詞\r\ncome - came - come", u"", kRed),
        w(u"make", u"meɪk", u"メイク", u"作る", u"不規則動詞\r\nmake - made - made", u"", kRed),
        w(u"take", u"teɪk", u"テイク", u"取る；持っていく", u"不規則動詞\r\ntake - took - taken", u"", kRed),
        w(u"see", u"siː", u"スィー", u"見る；会う", u"不規則動詞\r\nsee - saw - seen", u"", kRed),
        w(u"know", u"noʊ", u"ノウ", u"知っている", u"不規則動詞\r\nknow - knew - known", u"", kRed),
        w(u"eat", u"iːt", u"イート", u"食べる", u"不規則動詞\r\neat - ate - eaten", u"", kRed),
        w(u"write", u"raɪt", u"ライト", u"書く", u"不規則動詞\r\nwrite - wrote - written", u"", kRed),
        w(u"walk", u"wɔːk", u"ウォーク", u"歩く", u"規則動詞"),
        w(u"play", u"pleɪ", u"プレイ", u"遊ぶ；（スポーツを）する；演奏する", u"規則動詞"),
        w(u"open", u"ˈoʊpən", u"オウプン", u"開ける", u"規則動詞"),
        w(u"listen", u"ˈlɪsən", u"リスン", u"聞く", u"規則動詞\r\nlisten to ～ で「～を聞く」"),
    }));

    all.append(book(u"FrenchA", u"Animaux.utx", u"フランス語の動物", u"名詞", {
        w(u"chat", u"ʃa", u"シャ", u"猫", u"男性名詞（雌猫は chatte）", u"chat.wav"),
        w(u"chien", u"ʃjɛ̃", u"シアン", u"犬", u"男性名詞（雌犬は chienne）", u"chien.wav"),
        w(u"cheval", u"ʃəval", u"シュヴァル", u"馬", u"男性名詞\r\n複数形は chevaux"),
        w(u"oiseau", u"wazo", u"ワゾ", u"鳥", u"男性名詞\r\n複数形は oiseaux"),
        w(u"vache", u"vaʃ", u"ヴァシュ", u"雌牛", u"女性名詞"),
        w(u"souris", u"suʁi", u"スリ", u"ネズミ", u"女性名詞・単複同形"),
        w(u"lapin", u"lapɛ̃", u"ラパン", u"ウサギ", u"男性名詞"),
        w(u"poisson", u"pwasɔ̃", u"ポワソン", u"魚", u"男性名詞"),
        w(u"cochon", u"kɔʃɔ̃", u"コション", u"豚", u"男性名詞"),
        w(u"mouton", u"mutɔ̃", u"ムトン", u"羊", u"男性名詞"),
        w(u"ours", u"uʁs", u"ウルス", u"熊", u"男性名詞・語末の s も発音する"),
        w(u"éléphant", u"elefɑ̃", u"エレファン", u"象", u"男性名詞"),
        w(u"grenouille", u"ɡʁənuj", u"グルヌイユ", u"カエル", u"女性名詞"),
        w(u"papillon", u"papijɔ̃", u"パピヨン", u"蝶", u"男性名詞"),
    }));
    all.append(book(u"FrenchA", u"Salutations.utx", u"フランス語のあいさつ", u"あいさつ", {
        w(u"bonjour", u"bɔ̃ʒuʁ", u"ボンジュール", u"こんにちは；おはよう", u"", u"bonjour.wav"),
        w(u"bonsoir", u"bɔ̃swaʁ", u"ボンソワール", u"こんばんは"),
        w(u"salut", u"saly", u"サリュ", u"やあ；じゃあね", u"親しい間柄で"),
        w(u"au revoir", u"o ʁəvwaʁ", u"オ ルヴォワール", u"さようなら"),
        w(u"merci", u"mɛʁsi", u"メルスィ", u"ありがとう", u"", u"merci.wav"),
        w(u"merci beaucoup", u"mɛʁsi boku", u"メルスィ ボク", u"どうもありがとう"),
        w(u"s'il vous plaît", u"sil vu plɛ", u"スィル ヴ プレ", u"お願いします；どうぞ",
          u"親しい相手には s'il te plaît"),
        w(u"pardon", u"paʁdɔ̃", u"パルドン", u"すみません；失礼"),
        w(u"excusez-moi", u"ɛkskyze mwa", u"エクスキュゼ モワ", u"すみません"),
        w(u"bonne nuit", u"bɔn nɥi", u"ボヌ ニュイ", u"おやすみなさい"),
        w(u"enchanté", u"ɑ̃ʃɑ̃te", u"アンシャンテ", u"はじめまして",
          u"女性は enchantée と書く（発音は同じ）"),
        w(u"à bientôt", u"a bjɛ̃to", u"ア ビヤント", u"また近いうちに"),
        w(u"comment allez-vous ?", u"kɔmɑ̃ t‿ale vu", u"コマン タレ ヴ", u"お元気ですか",
          u"t はリエゾンで発音する"),
    }));

    all.append(book(u"GermanA", u"Familie.utx", u"ドイツ語の家族", u"名詞", {
        w(u"Familie", u"faˈmiːli̯ə", u"ファミーリエ", u"家族", u"女性名詞 die\r\n複数形 Familien"),
        w(u"Vater", u"ˈfaːtɐ", u"ファーター", u"父", u"男性名詞 der\r\n複数形 Väter", u"vater.wav"),
        w(u"Mutter", u"ˈmʊtɐ", u"ムッター", u"母", u"女性名詞 die\r\n複数形 Mütter", u"mutter.wav"),
        w(u"Sohn", u"zoːn", u"ゾーン", u"息子", u"男性名詞 der\r\n複数形 Söhne"),
        w(u"Tochter", u"ˈtɔxtɐ", u"トホター", u"娘", u"女性名詞 die\r\n複数形 Töchter"),
        w(u"Bruder", u"ˈbʁuːdɐ", u"ブルーダー", u"兄；弟", u"男性名詞 der\r\n複数形 Brüder"),
        w(u"Schwester", u"ˈʃvɛstɐ", u"シュヴェスター", u"姉；妹", u"女性名詞 die\r\n複数形 Schwestern"),
        w(u"Großvater", u"ˈɡʁoːsˌfaːtɐ", u"グロースファーター", u"祖父", u"男性名詞 der"),
        w(u"Großmutter", u"ˈɡʁoːsˌmʊtɐ", u"グロースムッター", u"祖母", u"女性名詞 die"),
        w(u"Onkel", u"ˈɔŋkl̩", u"オンケル", u"おじ", u"男性名詞 der"),
        w(u"Tante", u"ˈtantə", u"タンテ", u"おば", u"女性名詞 die"),
        w(u"Kind", u"kɪnt", u"キント", u"子ども", u"中性名詞 das\r\n複数形 Kinder"),
        w(u"Eltern", u"ˈɛltɐn", u"エルターン", u"両親", u"複数形のみ"),
    }));
    all.append(book(u"GermanA", u"Verben.utx", u"ドイツ語の基本動詞", u"動詞", {
        w(u"sein", u"zaɪ̯n", u"ザイン", u"～である；いる", u"不規則動詞\r\nich bin, du bist, er ist", u"", kRed),
        w(u"haben", u"ˈhaːbn̩", u"ハーベン", u"持っている", u"不規則動詞\r\nich habe, du hast, er hat", u"", kRed),
        w(u"werden", u"ˈveːɐ̯dn̩", u"ヴェーアデン", u"～になる", u"不規則動詞\r\nich werde, du wirst, er wird", u"", kRed),
        w(u"gehen", u"ˈɡeːən", u"ゲーエン", u"行く", u"不規則動詞\r\n過去分詞 gegangen", u"", kRed),
        w(u"kommen", u"ˈkɔmən", u"コメン", u"来る", u"不規則動詞\r\n過去分詞 gekommen", u"", kRed),
        w(u"sprechen", u"ˈʃpʁɛçn̩", u"シュプレッヒェン", u"話す", u"不規則動詞\r\ndu sprichst, er spricht", u"", kRed),
        w(u"essen", u"ˈɛsn̩", u"エッセン", u"食べる", u"不規則動詞\r\ndu isst, er isst", u"", kRed),
        w(u"trinken", u"ˈtʁɪŋkn̩", u"トリンケン", u"飲む", u"不規則動詞\r\n過去分詞 getrunken", u"", kRed),
        w(u"lernen", u"ˈlɛʁnən", u"レルネン", u"学ぶ", u"規則動詞"),
        w(u"wohnen", u"ˈvoːnən", u"ヴォーネン", u"住む", u"規則動詞"),
        w(u"spielen", u"ˈʃpiːlən", u"シュピーレン", u"遊ぶ；演奏する", u"規則動詞"),
        w(u"kaufen", u"ˈkaʊ̯fn̩", u"カウフェン", u"買う", u"規則動詞"),
    }));

    all.append(book(u"SpanishA", u"Comida.utx", u"スペイン語の食べ物", u"名詞", {
        w(u"pan", u"pan", u"パン", u"パン", u"男性名詞 el"),
        w(u"agua", u"ˈaɣwa", u"アグア", u"水", u"女性名詞だが単数の冠詞は el agua"),
        w(u"leche", u"ˈletʃe", u"レチェ", u"牛乳", u"女性名詞 la"),
        w(u"queso", u"ˈkeso", u"ケソ", u"チーズ", u"男性名詞 el"),
        w(u"huevo", u"ˈweβo", u"ウエボ", u"卵", u"男性名詞 el・h は発音しない"),
        w(u"carne", u"ˈkaɾne", u"カルネ", u"肉", u"女性名詞 la"),
        w(u"pescado", u"pesˈkaðo", u"ペスカド", u"魚（食材）", u"男性名詞 el\r\n生きている魚は pez"),
        w(u"arroz", u"aˈroθ", u"アロス", u"米；ご飯", u"男性名詞 el\r\n中南米では [aˈros]"),
        w(u"manzana", u"manˈθana", u"マンサナ", u"りんご", u"女性名詞 la"),
        w(u"naranja", u"naˈɾaŋxa", u"ナランハ", u"オレンジ", u"女性名詞 la"),
        w(u"tomate", u"toˈmate", u"トマテ", u"トマト", u"男性名詞 el"),
        w(u"pollo", u"ˈpoʎo", u"ポジョ", u"鶏肉", u"男性名詞 el"),
        w(u"café", u"kaˈfe", u"カフェ", u"コーヒー", u"男性名詞 el"),
    }));
    all.append(book(u"SpanishA", u"Saludos.utx", u"スペイン語のあいさつ", u"あいさつ", {
        w(u"hola", u"ˈola", u"オラ", u"こんにちは；やあ", u"h は発音しない", u"hola.wav"),
        w(u"buenos días", u"ˈbwenos ˈdias", u"ブエノス ディアス", u"おはようございます"),
        w(u"buenas tardes", u"ˈbwenas ˈtaɾðes", u"ブエナス タルデス", u"こんにちは（午後）"),
        w(u"buenas noches", u"ˈbwenas ˈnotʃes", u"ブエナス ノチェス", u"こんばんは；おやすみなさい"),
        w(u"adiós", u"aˈðjos", u"アディオス", u"さようなら"),
        w(u"gracias", u"ˈɡɾaθjas", u"グラシアス", u"ありがとう", u"中南米では [ˈɡɾasjas]",
          u"gracias.wav"),
        w(u"de nada", u"de ˈnaða", u"デ ナダ", u"どういたしまして"),
        w(u"por favor", u"poɾ faˈβoɾ", u"ポル ファボル", u"お願いします"),
        w(u"perdón", u"peɾˈðon", u"ペルドン", u"ごめんなさい；すみません"),
        w(u"hasta luego", u"ˈasta ˈlweɣo", u"アスタ ルエゴ", u"またあとで"),
        w(u"mucho gusto", u"ˈmutʃo ˈɣusto", u"ムチョ グスト", u"はじめまして"),
        w(u"¿Qué tal?", u"ˈke ˈtal", u"ケ タル", u"元気？；調子はどう？"),
    }));

    all.append(book(u"ItalianA", u"Colori.utx", u"イタリア語の色", u"形容詞", {
        w(u"rosso", u"ˈrosso", u"ロッソ", u"赤い", u"女性形 rossa", u"rosso.wav", QStringLiteral("#CC0000")),
        w(u"blu", u"ˈblu", u"ブル", u"青い", u"性数変化しない", u"", QStringLiteral("#0000CC")),
        w(u"azzurro", u"adˈdzurro", u"アッズッロ", u"空色の；水色の", u"女性形 azzurra", u"",
          QStringLiteral("#0080FF")),
        w(u"verde", u"ˈverde", u"ヴェルデ", u"緑の", u"男女同形", u"", QStringLiteral("#008000")),
        w(u"giallo", u"ˈdʒallo", u"ジャッロ", u"黄色い", u"女性形 gialla", u"",
          QStringLiteral("#C0A000")),
        w(u"nero", u"ˈneːro", u"ネーロ", u"黒い", u"女性形 nera", u"", QStringLiteral("#000000")),
        w(u"bianco", u"ˈbjaŋko", u"ビアンコ", u"白い", u"女性形 bianca\r\n男性複数形 bianchi"),
        w(u"grigio", u"ˈɡriːdʒo", u"グリージョ", u"灰色の", u"女性形 grigia", u"",
          QStringLiteral("#808080")),
        w(u"marrone", u"marˈroːne", u"マッローネ", u"茶色の", u"男女同形", u"",
          QStringLiteral("#804000")),
        w(u"rosa", u"ˈrɔːza", u"ローザ", u"ピンクの", u"性数変化しない\r\n名詞では「バラ」", u"",
          QStringLiteral("#E0508C")),
        w(u"viola", u"ˈvjɔːla", u"ヴィオーラ", u"紫の", u"性数変化しない", u"",
          QStringLiteral("#800080")),
        w(u"arancione", u"aranˈtʃoːne", u"アランチョーネ", u"オレンジ色の", u"男女同形", u"",
          QStringLiteral("#FF8000")),
    }));
    all.append(book(u"ItalianA", u"Viaggio.utx", u"イタリア語の旅行", u"旅行", {
        w(u"stazione", u"statˈtsjoːne", u"スタツィオーネ", u"駅", u"女性名詞 la"),
        w(u"treno", u"ˈtrɛːno", u"トレーノ", u"列車", u"男性名詞 il", u"treno.wav"),
        w(u"biglietto", u"biʎˈʎetto", u"ビリエット", u"切符", u"男性名詞 il"),
        w(u"albergo", u"alˈbɛrɡo", u"アルベルゴ", u"ホテル", u"男性名詞 l'"),
        w(u"aeroporto", u"aeroˈpɔrto", u"アエロポルト", u"空港", u"男性名詞 l'"),
        w(u"valigia", u"vaˈliːdʒa", u"ヴァリージャ", u"スーツケース", u"女性名詞 la\r\n複数形 valigie"),
        w(u"passaporto", u"passaˈpɔrto", u"パッサポルト", u"パスポート", u"男性名詞 il"),
        w(u"spiaggia", u"ˈspjaddʒa", u"スピアッジャ", u"浜辺；ビーチ", u"女性名詞 la"),
        w(u"museo", u"muˈzɛːo", u"ムゼーオ", u"博物館；美術館", u"男性名詞 il"),
        w(u"ristorante", u"ristoˈrante", u"リストランテ", u"レストラン", u"男性名詞 il"),
        w(u"mappa", u"ˈmappa", u"マッパ", u"地図", u"女性名詞 la"),
        w(u"Dov'è …?", u"doˈvɛ", u"ドヴェ", u"…はどこですか", u"Dov'è la stazione? 駅はどこですか"),
    }));

    all.append(book(u"PortugueseA", u"Numeros.utx", u"ポルトガル語の数字", u"その他", {
        w(u"um", u"ũ", u"ウン", u"1", u"女性形 uma（ブラジルの発音）"),
        w(u"dois", u"dojs", u"ドイス", u"2", u"女性形 duas"),
        w(u"três", u"tɾes", u"トレス", u"3"),
        w(u"quatro", u"ˈkwatɾu", u"クアトロ", u"4"),
        w(u"cinco", u"ˈsĩku", u"スィンコ", u"5"),
        w(u"seis", u"sejs", u"セイス", u"6", u"電話番号などでは meia とも言う"),
        w(u"sete", u"ˈsɛtʃi", u"セチ", u"7"),
        w(u"oito", u"ˈojtu", u"オイト", u"8"),
        w(u"nove", u"ˈnɔvi", u"ノヴィ", u"9"),
        w(u"dez", u"dɛs", u"デス", u"10"),
        w(u"vinte", u"ˈvĩtʃi", u"ヴィンチ", u"20"),
        w(u"cem", u"sẽj̃", u"セィン", u"100", u"101 以上は cento（cento e um）"),
    }));
    all.append(book(u"PortugueseA", u"Saudacoes.utx", u"ポルトガル語のあいさつ", u"あいさつ", {
        w(u"olá", u"oˈla", u"オラ", u"こんにちは", u"", u"ola.wav"),
        w(u"oi", u"oj", u"オイ", u"やあ", u"ブラジルでよく使う"),
        w(u"bom dia", u"bõ ˈdʒiɐ", u"ボン ジア", u"おはようございます"),
        w(u"boa tarde", u"ˈboɐ ˈtaʁdʒi", u"ボア タルジ", u"こんにちは（午後）"),
        w(u"boa noite", u"ˈboɐ ˈnojtʃi", u"ボア ノイチ", u"こんばんは；おやすみなさい"),
        w(u"obrigado", u"obɾiˈɡadu", u"オブリガード", u"ありがとう", u"女性が言うときは obrigada",
          u"obrigado.wav"),
        w(u"de nada", u"dʒi ˈnadɐ", u"ジ ナダ", u"どういたしまして"),
        w(u"por favor", u"poʁ faˈvoʁ", u"ポル ファヴォール", u"お願いします"),
        w(u"tchau", u"tʃaw", u"チャウ", u"じゃあね；バイバイ"),
        w(u"tudo bem?", u"ˈtudu ˈbẽj̃", u"トゥード ベン", u"元気？", u"答えるときも Tudo bem."),
        w(u"desculpe", u"dʒisˈkuwpi", u"ジスクウピ", u"ごめんなさい；すみません"),
        w(u"até logo", u"aˈtɛ ˈlɔɡu", u"アテ ログ", u"またあとで"),
    }));
    return all;
}
// clang-format on
