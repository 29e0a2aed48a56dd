#!/usr/bin/env python3
"""Writes the word books of the eleven source formats that the conversion tests read,
and the ".utx" book expected from each, from the same words in Unicode.

    python3 tests/tools/makeconvertbooks.py [folder]   (default: tests/tools/convertbooks)

The expected books are written here, by Python's own codecs and by the rules of the
".utx" file, so that the tests compare the program's output with an independent
reading of each format.
"""
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))

# Legacy phonetic font: the byte that shows each IPA character used below.
LEGACY = {
    'ð': 'D', 'ɪ': 'I', 'θ': 'T', 'ŋ': 'N', 'ə': '\xab', 'ˈ': '\xc8', 'ʊ': 'U',
    'æ': 'Q',
}
LETTERS = set('abcdefhijklmnopqrstuvwxyz')


def legacy_phonetic(ipa):
    """The phonetic line as the legacy font's codes; a blank between words stays."""
    return ''.join(c if c in LETTERS or c == ' ' else LEGACY[c] for c in ipa)


def utx(title, words, voice_folder=''):
    """The bytes of a ".utx" book: UTF-16 LE with FF FE, CR LF after every line."""
    def field(text):
        return '"' + text.replace('\r', '#$0D').replace('\n', '').replace('"', '#$22') + '"'
    lines = [title, '', voice_folder]
    for w in words:
        lines.append(','.join(field(f) for f in w))
    return b'\xff\xfe' + ''.join(line + '\r\n' for line in lines).encode('utf-16-le')


def cp_lines(lines):
    """Byte lines of a legacy book: each line already encoded, CR LF after each."""
    return b''.join(line + b'\r\n' for line in lines)


def generic(name, title, codec, words, count=None):
    """words: (foreign, kana, japanese, notes). Japanese texts in code page 932."""
    lines = [title.encode('cp932'), str(len(words) if count is None else count).encode()]
    for foreign, kana, japanese, notes in words:
        lines += [japanese.encode('cp932'), kana.encode('cp932'), notes.encode('cp932'),
                  foreign.encode(codec)]
    expected = [(f, '', k, j, n, '', '') for f, k, j, n in words]
    return {name: cp_lines(lines)}, utx(title, expected)


def phonetic(name, title, words, answer_yes=True):
    """words: (foreign as bytes of code page 1252, kana, japanese, ipa)."""
    lines = [title.encode('cp932'), str(len(words)).encode()]
    expected = []
    for foreign, kana, japanese, ipa in words:
        lines += [foreign, kana.encode('cp932'), japanese.encode('cp932'),
                  legacy_phonetic(ipa).encode('cp1252')]
        word = foreign.decode('cp1252' if answer_yes else 'cp932')
        expected.append((word, ipa.replace(' ', ''), kana, japanese, '', '', ''))
    return {name: cp_lines(lines)}, utx(title, expected)


def hex_groups(data):
    return ''.join('#%02X' % b for b in data)


def chinese(name, title, voice_folder, words):
    """words: (hanzi, pinyin, japanese, notes, voice, colour); "\n" is a line break."""
    lines = [title, str(len(words)), voice_folder]
    expected = []
    for hanzi, pinyin, japanese, notes, voice, colour in words:
        hanzi_hex = hex_groups(hanzi.replace('\n', '\r\n').encode('gbk'))
        pinyin_hex = hex_groups(pinyin.replace('\n', '\r\n').encode('gb2312'))
        lines += [japanese, hanzi_hex, pinyin_hex, notes, voice, colour]
        expected.append((hanzi.replace('\n', '#$0D'),
                         unicodedata.normalize('NFD', pinyin).replace('\n', '#$0D'), '',
                         japanese.replace('#0D#0A', '#$0D'), notes.replace('#0D#0A', '#$0D'),
                         voice, colour))
    data = cp_lines([line.encode('cp932') for line in lines])
    return {name: data}, utx(title, expected, voice_folder)


def unicode_book(name, title, voice_folder, words):
    """words: (foreign, ipa, kana, japanese, notes, voice, colour)."""
    lines = [title, str(len(words)), voice_folder]
    for foreign, ipa, kana, japanese, notes, voice, colour in words:
        lines += [japanese, foreign, ipa, kana, notes, voice, colour]
    data = b'\xff\xfe' + ''.join(line + '\r\n' for line in lines).encode('utf-16-le')
    return {name: data}, utx(title, words, voice_folder)


def books():
    yield generic('korean.kwd', '韓国語のあいさつ', 'cp949', [
        ('안녕하세요', 'アンニョンハセヨ', 'こんにちは', '丁寧なあいさつ'),
        ('감사합니다', 'カムサハムニダ', 'ありがとうございます', '"ハムニダ"体'),
        ('사랑', 'サラン', '愛', ''),
    ])
    yield generic('thai.twd', 'タイ語の基本', 'cp874', [
        ('สวัสดี', 'サワッディー', 'こんにちは', '男性はクラップ、女性はカーを付ける'),
        ('ขอบคุณ', 'コープクン', 'ありがとう', ''),
        ('น้ำ', 'ナーム', '水', '声調は高声'),
    ])
    yield generic('russian.rwd', 'ロシア語入門', 'cp1251', [
        ('Здравствуйте', 'ズドラーストヴィチェ', 'こんにちは', '丁寧な形'),
        ('спасибо', 'スパシーバ', 'ありがとう', ''),
        ('книга', 'クニーガ', '本', '女性名詞'),
    ])
    # Code page 1258 keeps most tone marks as combining characters.
    yield generic('vietnam.vwd', 'ベトナム語', 'cp1258', [
        ('xin chào', 'シン チャオ', 'こんにちは', ''),
        ('ca\u0309m \u01a1n', 'カム オン', 'ありがとう', ''),
        ('n\u01b0\u01a1\u0301c', 'ヌオック', '水', '南部ではヌック'),
    ])
    yield generic('english.ewd', '英単語 初級', 'cp1252', [
        ('naïve', 'ナイーヴ', '素朴な', 'フランス語から'),
        ('café', 'キャフェイ', '喫茶店', ''),
        ('apple', 'アップル', 'りんご', 'an apple'),
        ('résumé', 'レズメイ', '履歴書', '米語'),
    ])
    yield chinese('chinese.cvd', '中国語会話', '', [
        ('你好', 'nǐ hǎo', 'こんにちは', '', 'nihao.mp3', ''),
        ('谢谢', 'xiè xie', 'ありがとう', '二つ目は軽声', '', '#FF0000'),
        ('很', 'hěn', 'とても', '', '', ''),
        ('女儿', 'nǚ\'ér', '娘', '', '', ''),
        ('你好\n朋友', 'nǐ hǎo\npéng you', 'こんにちは#0D#0A友よ', '一行目#0D#0A二行目', '', ''),
        ('绿', 'lǜ', '緑', '', '', '#008000'),
    ])
    yield generic('greek.gwd', 'ギリシャ語', 'cp1253', [
        ('καλημέρα', 'カリメーラ', 'おはよう', ''),
        ('ευχαριστώ', 'エフハリストー', 'ありがとう', ''),
        ('θάλασσα', 'サラッサ', '海', '女性名詞'),
    ])
    yield generic('turkish.uwd', 'トルコ語', 'cp1254', [
        ('merhaba', 'メルハバ', 'こんにちは', ''),
        ('teşekkür ederim', 'テシェッキュル エデリム', 'ありがとう', ''),
        ('İstanbul', 'イスタンブル', 'イスタンブール', '大文字のIに点'),
        ('güzel', 'ギュゼル', '美しい', ''),
    ])
    yield generic('arabic.awd', 'アラビア語', 'cp1256', [
        ('مرحبا', 'マルハバン', 'こんにちは', ''),
        ('شكرا', 'シュクラン', 'ありがとう', ''),
        ('كتاب', 'キターブ', '本', '男性名詞'),
    ])
    yield unicode_book('unicode.tud', 'タイ語（発音付き）', '', [
        ('ภาษาไทย', 'pʰaː.sǎː tʰaj', 'パーサー タイ', 'タイ語', 'いわゆる"標準語"', 'phasa.mp3', ''),
        ('อร่อย', 'ʔa.rɔ̀j', 'アロイ', 'おいしい', '', '', '#0000FF'),
        ('ไม่เป็นไร', 'mâj pen raj', 'マイペンライ', '大丈夫', '', '', ''),
    ])
    yield phonetic('phonetic.pwd', '発音記号つき英単語', [
        (b'this', 'ディス', 'これ', 'ðɪs'),
        (b'think', 'シンク', '考える', 'θɪŋk'),
        (b'about', 'アバウト', 'について', 'əˈbaʊt'),
        (b'this is', 'ディス イズ', 'これは', 'ðɪs ɪz'),
        (b'caf\xe9', 'キャフェイ', '喫茶店', 'kæˈfeɪ'),
    ])
    # Awkward cases.
    yield generic('short.ewd', '足りない単語帳', 'cp1252', [
        ('one', 'ワン', '一', ''),
        ('two', 'トゥー', '二', ''),
    ], count=3)
    # Only the header: a count that is not a number means no words.
    files, _ = generic('nocount.ewd', '数のない単語帳', 'cp1252', [('one', 'ワン', '一', '')],
                       count='ten')
    yield files, utx('数のない単語帳', [])
    yield phonetic('kana.pwd', '答えがいいえ', [
        ('ｶﾌｪ'.encode('cp932'), 'カフェ', '喫茶店', 'kæˈfeɪ'),
    ], answer_yes=False)
    yield generic('memo.lst', 'その他の拡張子', 'cp932', [
        ('Zug', 'ツーク', '列車', ''),
        ('ｶﾀｶﾅ', 'カタカナ', '半角', ''),
    ])
    files, _ = chinese('badhex.cvd', '壊れた符号', '', [
        ('你好', 'nǐ hǎo', 'こんにちは', '', '', ''),
        ('谢谢', 'xiè xie', 'ありがとう', '', '', ''),
    ])
    data = files['badhex.cvd'].replace(b'#D0#BB', b'#DX#BB')
    assert data != files['badhex.cvd']
    yield {'badhex.cvd': data}, utx('壊れた符号', [('你好', 'ni\u030c ha\u030co', '', 'こんにちは', '',
                                                '', '')])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, 'convertbooks')
    for sub in ('source', 'expected'):
        os.makedirs(os.path.join(out, sub), exist_ok=True)
    for files, expected in books():
        for name, data in files.items():
            with open(os.path.join(out, 'source', name), 'wb') as f:
                f.write(data)
            stem = name.split('.')[0]
            with open(os.path.join(out, 'expected', stem + '.utx'), 'wb') as f:
                f.write(expected)


if __name__ == '__main__':
    main()
