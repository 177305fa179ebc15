#!/usr/bin/env python3
"""Checks poems/PoemTable.cpp: code page 932, the length and form rules of every field, the decisive
syllables with their fill and counts, and every verse against an independent kana reading of the
hundred poems (historical kana usage), from which the decisive syllables are also recomputed."""
import os
import re
import sys
import unicodedata

IDSP = '\u3000'
KANA = {  # poem: (upper verse, lower verse) in kana, phrases separated by one space
    1: ('あきのたの かりほのいほの とまをあらみ', 'わがころもでは つゆにぬれつつ'),
    2: ('はるすぎて なつきにけらし しろたへの', 'ころもほすてふ あまのかぐやま'),
    3: ('あしびきの やまどりのをの しだりをの', 'ながながしよを ひとりかもねむ'),
    4: ('たごのうらに うちいでてみれば しろたへの', 'ふじのたかねに ゆきはふりつつ'),
    5: ('おくやまに もみぢふみわけ なくしかの', 'こゑきくときぞ あきはかなしき'),
    6: ('かささぎの わたせるはしに おくしもの', 'しろきをみれば よぞふけにける'),
    7: ('あまのはら ふりさけみれば かすがなる', 'みかさのやまに いでしつきかも'),
    8: ('わがいほは みやこのたつみ しかぞすむ', 'よをうぢやまと ひとはいふなり'),
    9: ('はなのいろは うつりにけりな いたづらに', 'わがみよにふる ながめせしまに'),
    10: ('これやこの ゆくもかへるも わかれては', 'しるもしらぬも あふさかのせき'),
    11: ('わたのはら やそしまかけて こぎいでぬと', 'ひとにはつげよ あまのつりぶね'),
    12: ('あまつかぜ くものかよひぢ ふきとぢよ', 'をとめのすがた しばしとどめむ'),
    13: ('つくばねの みねよりおつる みなのがは', 'こひぞつもりて ふちとなりぬる'),
    14: ('みちのくの しのぶもぢずり たれゆゑに', 'みだれそめにし われならなくに'),
    15: ('きみがため はるののにいでて わかなつむ', 'わがころもでに ゆきはふりつつ'),
    16: ('たちわかれ いなばのやまの みねにおふる', 'まつとしきかば いまかへりこむ'),
    17: ('ちはやぶる かみよもきかず たつたがは', 'からくれなゐに みづくくるとは'),
    18: ('すみのえの きしによるなみ よるさへや', 'ゆめのかよひぢ ひとめよくらむ'),
    19: ('なにはがた みじかきあしの ふしのまも', 'あはでこのよを すぐしてよとや'),
    20: ('わびぬれば いまはたおなじ なにはなる', 'みをつくしても あはむとぞおもふ'),
    21: ('いまこむと いひしばかりに ながつきの', 'ありあけのつきを まちいでつるかな'),
    22: ('ふくからに あきのくさきの しをるれば', 'むべやまかぜを あらしといふらむ'),
    23: ('つきみれば ちぢにものこそ かなしけれ', 'わがみひとつの あきにはあらねど'),
    24: ('このたびは ぬさもとりあへず たむけやま', 'もみぢのにしき かみのまにまに'),
    25: ('なにしおはば あふさかやまの さねかづら', 'ひとにしられで くるよしもがな'),
    26: ('をぐらやま みねのもみぢば こころあらば', 'いまひとたびの みゆきまたなむ'),
    27: ('みかのはら わきてながるる いづみがは', 'いつみきとてか こひしかるらむ'),
    28: ('やまざとは ふゆぞさびしさ まさりける', 'ひとめもくさも かれぬとおもへば'),
    29: ('こころあてに をらばやをらむ はつしもの', 'おきまどはせる しらぎくのはな'),
    30: ('ありあけの つれなくみえし わかれより', 'あかつきばかり うきものはなし'),
    31: ('あさぼらけ ありあけのつきと みるまでに', 'よしののさとに ふれるしらゆき'),
    32: ('やまがはに かぜのかけたる しがらみは', 'ながれもあへぬ もみぢなりけり'),
    33: ('ひさかたの ひかりのどけき はるのひに', 'しづごころなく はなのちるらむ'),
    34: ('たれをかも しるひとにせむ たかさごの', 'まつもむかしの ともならなくに'),
    35: ('ひとはいさ こころもしらず ふるさとは', 'はなぞむかしの かににほひける'),
    36: ('なつのよは まだよひながら あけぬるを', 'くものいづこに つきやどるらむ'),
    37: ('しらつゆに かぜのふきしく あきののは', 'つらぬきとめぬ たまぞちりける'),
    38: ('わすらるる みをばおもはず ちかひてし', 'ひとのいのちの をしくもあるかな'),
    39: ('あさぢふの をののしのはら しのぶれど', 'あまりてなどか ひとのこひしき'),
    40: ('しのぶれど いろにいでにけり わがこひは', 'ものやおもふと ひとのとふまで'),
    41: ('こひすてふ わがなはまだき たちにけり', 'ひとしれずこそ おもひそめしか'),
    42: ('ちぎりきな かたみにそでを しぼりつつ', 'すゑのまつやま なみこさじとは'),
    43: ('あひみての のちのこころに くらぶれば', 'むかしはものを おもはざりけり'),
    44: ('あふことの たえてしなくは なかなかに', 'ひとをもみをも うらみざらまし'),
    45: ('あはれとも いふべきひとは おもほえで', 'みのいたづらに なりぬべきかな'),
    46: ('ゆらのとを わたるふなびと かぢをたえ', 'ゆくへもしらぬ こひのみちかな'),
    47: ('やへむぐら しげれるやどの さびしきに', 'ひとこそみえね あきはきにけり'),
    48: ('かぜをいたみ いはうつなみの おのれのみ', 'くだけてものを おもふころかな'),
    49: ('みかきもり ゑじのたくひの よるはもえ', 'ひるはきえつつ ものをこそおもへ'),
    50: ('きみがため をしからざりし いのちさへ', 'ながくもがなと おもひけるかな'),
    51: ('かくとだに えやはいぶきの さしもぐさ', 'さしもしらじな もゆるおもひを'),
    52: ('あけぬれば くるるものとは しりながら', 'なほうらめしき あさぼらけかな'),
    53: ('なげきつつ ひとりぬるよの あくるまは', 'いかにひさしき ものとかはしる'),
    54: ('わすれじの ゆくすゑまでは かたければ', 'けふをかぎりの いのちともがな'),
    55: ('たきのおとは たえてひさしく なりぬれど', 'なこそながれて なほきこえけれ'),
    56: ('あらざらむ このよのほかの おもひでに', 'いまひとたびの あふこともがな'),
    57: ('めぐりあひて みしやそれとも わかぬまに', 'くもがくれにし よはのつきかな'),
    58: ('ありまやま ゐなのささはら かぜふけば', 'いでそよひとを わすれやはする'),
    59: ('やすらはで ねなましものを さよふけて', 'かたぶくまでの つきをみしかな'),
    60: ('おほえやま いくののみちの とほければ', 'まだふみもみず あまのはしだて'),
    61: ('いにしへの ならのみやこの やへざくら', 'けふここのへに にほひぬるかな'),
    62: ('よをこめて とりのそらねは はかるとも', 'よにあふさかの せきはゆるさじ'),
    63: ('いまはただ おもひたえなむ とばかりを', 'ひとづてならで いふよしもがな'),
    64: ('あさぼらけ うぢのかはぎり たえだえに', 'あらはれわたる せぜのあじろぎ'),
    65: ('うらみわび ほさぬそでだに あるものを', 'こひにくちなむ なこそをしけれ'),
    66: ('もろともに あはれとおもへ やまざくら', 'はなよりほかに しるひともなし'),
    67: ('はるのよの ゆめばかりなる たまくらに', 'かひなくたたむ なこそをしけれ'),
    68: ('こころにも あらでうきよに ながらへば', 'こひしかるべき よはのつきかな'),
    69: ('あらしふく みむろのやまの もみぢばは', 'たつたのかはの にしきなりけり'),
    70: ('さびしさに やどをたちいでて ながむれば', 'いづこもおなじ あきのゆふぐれ'),
    71: ('ゆふされば かどたのいなば おとづれて', 'あしのまろやに あきかぜぞふく'),
    72: ('おとにきく たかしのはまの あだなみは', 'かけじやそでの ぬれもこそすれ'),
    73: ('たかさごの をのへのさくら さきにけり', 'とやまのかすみ たたずもあらなむ'),
    74: ('うかりける ひとをはつせの やまおろしよ', 'はげしかれとは いのらぬものを'),
    75: ('ちぎりおきし させもがつゆを いのちにて', 'あはれことしの あきもいぬめり'),
    76: ('わたのはら こぎいでてみれば ひさかたの', 'くもゐにまがふ おきつしらなみ'),
    77: ('せをはやみ いはにせかるる たきがはの', 'われてもすゑに あはむとぞおもふ'),
    78: ('あはぢしま かよふちどりの なくこゑに', 'いくよねざめぬ すまのせきもり'),
    79: ('あきかぜに たなびくくもの たえまより', 'もれいづるつきの かげのさやけさ'),
    80: ('ながからむ こころもしらず くろかみの', 'みだれてけさは ものをこそおもへ'),
    81: ('ほととぎす なきつるかたを ながむれば', 'ただありあけの つきぞのこれる'),
    82: ('おもひわび さてもいのちは あるものを', 'うきにたへぬは なみだなりけり'),
    83: ('よのなかよ みちこそなけれ おもひいる', 'やまのおくにも しかぞなくなる'),
    84: ('ながらへば またこのごろや しのばれむ', 'うしとみしよぞ いまはこひしき'),
    85: ('よもすがら ものおもふころは あけやらで', 'ねやのひまさへ つれなかりけり'),
    86: ('なげけとて つきやはものを おもはする', 'かこちがほなる わがなみだかな'),
    87: ('むらさめの つゆもまだひぬ まきのはに', 'きりたちのぼる あきのゆふぐれ'),
    88: ('なにはえの あしのかりねの ひとよゆゑ', 'みをつくしてや こひわたるべき'),
    89: ('たまのをよ たえなばたえね ながらへば', 'しのぶることの よわりもぞする'),
    90: ('みせばやな をじまのあまの そでだにも', 'ぬれにぞぬれし いろはかはらず'),
    91: ('きりぎりす なくやしもよの さむしろに', 'ころもかたしき ひとりかもねむ'),
    92: ('わがそでは しほひにみえぬ おきのいしの', 'ひとこそしらね かわくまもなし'),
    93: ('よのなかは つねにもがもな なぎさこぐ', 'あまのをぶねの つなでかなしも'),
    94: ('みよしのの やまのあきかぜ さよふけて', 'ふるさとさむく ころもうつなり'),
    95: ('おほけなく うきよのたみに おほふかな', 'わがたつそまに すみぞめのそで'),
    96: ('はなさそふ あらしのにはの ゆきならで', 'ふりゆくものは わがみなりけり'),
    97: ('こぬひとを まつほのうらの ゆふなぎに', 'やくやもしほの みもこがれつつ'),
    98: ('かぜそよぐ ならのをがはの ゆふぐれは', 'みそぎぞなつの しるしなりける'),
    99: ('ひともをし ひともうらめし あぢきなく', 'よをおもふゆゑに ものおもふみは'),
    100: ('ももしきや ふるきのきばの しのぶにも', 'なほあまりある むかしなりけり'),
}

POETS = ('天智天皇 持統天皇 柿本人麻呂 山部赤人 猿丸大夫 中納言家持 安倍仲麿 喜撰法師 小野小町 蝉丸 '
         '参議篁 僧正遍昭 陽成院 河原左大臣 光孝天皇 中納言行平 在原業平朝臣 藤原敏行朝臣 伊勢 元良親王 '
         '素性法師 文屋康秀 大江千里 菅家 三条右大臣 貞信公 中納言兼輔 源宗于朝臣 凡河内躬恒 壬生忠岑 '
         '坂上是則 春道列樹 紀友則 藤原興風 紀貫之 清原深養父 文屋朝康 右近 参議等 平兼盛 '
         '壬生忠見 清原元輔 権中納言敦忠 中納言朝忠 謙徳公 曾禰好忠 恵慶法師 源重之 大中臣能宣朝臣 藤原義孝 '
         '藤原実方朝臣 藤原道信朝臣 右大将道綱母 儀同三司母 大納言公任 和泉式部 紫式部 大弐三位 赤染衛門 小式部内侍 '
         '伊勢大輔 清少納言 左京大夫道雅 権中納言定頼 相模 前大僧正行尊 周防内侍 三条院 能因法師 良暹法師 '
         '大納言経信 祐子内親王家紀伊 権中納言匡房 源俊頼朝臣 藤原基俊 法性寺入道前関白太政大臣 崇徳院 源兼昌 左京大夫顕輔 待賢門院堀河 '
         '後徳大寺左大臣 道因法師 皇太后宮大夫俊成 藤原清輔朝臣 俊恵法師 西行法師 寂蓮法師 皇嘉門院別当 式子内親王 殷富門院大輔 '
         '後京極摂政前太政大臣 二条院讃岐 鎌倉右大臣 参議雅経 前大僧正慈円 入道前太政大臣 権中納言定家 従二位家隆 後鳥羽院 順徳院').split()

KIMARIJI_TABLE = ('あきの はるす あし たご おく かさ あまの わがい はなの これ わたのはら あまつ つく みち '
                  'きみがため たち ちは す なにはが わび いまこ ふ つき この なにし をぐ みかの やまざ こころあ '
                  'ありあ あさぼらけ やまが ひさ たれ ひとは なつ しら わすら あさぢ しの こひ ちぎりき あひ あふ '
                  'あはれ ゆら やへ かぜを みかき きみがため かく あけ なげき わすれ たき あらざ め ありま やす '
                  'おほえ いに よを いまは あさぼらけ うら もろ はるの こころに あらし さ ゆふ おと たか うか '
                  'ちぎりお わたのはら せ あはぢ あきか ながか ほ おも よのなかよ ながら よも なげけ む なにはえ '
                  'たま みせ きり わがそ よのなかは みよ おほけ はなさ こぬ かぜそ ひとも もも').split()
COUNT_TABLE = [3, 3, 2, 2, 2, 2, 3, 3, 3, 2, 6, 3, 2, 2, 6, 2, 2, 1, 4, 2,
               3, 1, 2, 2, 3, 2, 3, 3, 4, 3, 6, 3, 2, 2, 3, 2, 2, 3, 3, 2,
               2, 4, 2, 2, 3, 2, 2, 3, 3, 6, 2, 2, 3, 3, 2, 3, 1, 3, 2, 3,
               2, 2, 3, 6, 2, 2, 3, 4, 3, 1, 2, 2, 2, 2, 4, 6, 1, 3, 3, 3,
               1, 2, 5, 3, 2, 3, 1, 4, 2, 2, 2, 3, 5, 2, 3, 3, 2, 3, 3, 2]

errors = []


def err(n, msg):
    errors.append(f'poem {n}: {msg}')


def parse(path):
    src = open(path, encoding='utf-8').read()
    macros = dict(re.findall(r'#define\s+(\w+)\s+"([^"]*)"', src))
    body = src[src.index('g_aPoemTable[101] = {'):]
    records = []
    for m in re.finditer(r'\{\s*//[^\n]*\n(.*?)\}', body, re.S):
        text = re.sub(r'//[^\n]*', '', m.group(1))
        parts = [p.strip() for p in re.split(r',(?=(?:[^"]*"[^"]*")*[^"]*$)', text) if p.strip()]
        fields = []
        for p in parts[:5]:
            s = ''
            for tok in re.findall(r'"[^"]*"|\w+', p):
                s += tok[1:-1] if tok.startswith('"') else macros[tok]
            fields.append(s)
        records.append((*fields, int(parts[5])))
    return records


def is_kana(c):
    return '\u3041' <= c <= '\u3096'


def matches_reading(verse, kana):
    """True if the verse reads as the kana text: kana must match, each kanji (or 々) stands for one
    or more kana."""
    pat = ''
    for c in verse:
        if c == IDSP:
            pat += ' '
        elif is_kana(c):
            pat += re.escape(c)
        else:
            pat += '[ぁ-ゖ]+?'
    return re.fullmatch(pat, kana) is not None


def sound(kana):
    # the cards are told apart by ear: を sounds like お, ゐ like い, ゑ like え
    return kana.replace(' ', '').translate(str.maketrans('をゐゑ', 'おいえ'))


def unvoiced(kana):
    nfd = unicodedata.normalize('NFD', kana.replace(' ', '').strip())
    return unicodedata.normalize('NFC', ''.join(c for c in nfd if c not in '\u3099\u309a'))


def decisive_length(n):
    own = sound(KANA[n][0])
    longest = 0
    for m, (up, _) in KANA.items():
        if m == n:
            continue
        other = sound(up)
        k = 0
        while k < min(len(own), len(other)) and own[k] == other[k]:
            k += 1
        longest = max(longest, k)
    return longest + 1


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'poems', 'PoemTable.cpp')
    recs = parse(path)
    if len(recs) != 101:
        print(f'expected 101 records, found {len(recs)}')
        return 1
    exp0 = ('上の句' + IDSP * 17, '下の句' + IDSP * 13, '作者' + IDSP * 41, '意味' + IDSP * 135,
            '決まり字' + IDSP * 2, 0)
    if recs[0] != exp0:
        err(0, 'placeholders differ')
    half = {'\uff65': 0, '\uff64': 0}
    trailing = inner = 0
    counts = [0] * 7
    for n in range(1, 101):
        up, lo, au, me, ki, cnt = recs[n]
        for name, s in (('upper', up), ('lower', lo), ('author', au), ('kimariji', ki), ('meaning', me)):
            try:
                b = s.encode('cp932')
                s.encode('shift_jis')  # JIS X 0208 and JIS X 0201 only
            except UnicodeEncodeError as e:
                err(n, f'{name} not encodable: {e}')
                continue
            single = [c for c in s if len(c.encode('cp932')) == 1]
            if name != 'meaning' and single:
                err(n, f'{name} has single-byte characters {single}')
        for name, s, lo_, hi_ in (('upper', up, 14, 20), ('lower', lo, 11, 16), ('author', au, 5, 40),
                                  ('meaning', me, 34, 133)):
            if not lo_ <= len(s) <= hi_:
                err(n, f'{name} length {len(s)}')
        if up.count(IDSP) != 2 or lo.count(IDSP) != 1 or au.count(IDSP) != 1 or IDSP in me:
            err(n, 'ideographic spaces')
        if any(p == '' for p in up.split(IDSP) + lo.split(IDSP) + au.split(IDSP)):
            err(n, 'empty phrase')
        if not matches_reading(up, KANA[n][0]):
            err(n, f'upper verse {up} does not read as {KANA[n][0]}')
        if not matches_reading(lo, KANA[n][1]):
            err(n, f'lower verse {lo} does not read as {KANA[n][1]}')
        name, reading = au.split(IDSP)
        if name != POETS[n - 1]:
            err(n, f'poet {name} != {POETS[n - 1]}')
        if not (2 <= len(name) <= 12 and 2 <= len(reading) <= 27 and all(is_kana(c) for c in reading)):
            err(n, f'poet form {au}')
        # decisive syllables: the table, the fill, and the poem's own first syllables
        stem = ki.rstrip(IDSP)
        if stem != KIMARIJI_TABLE[n - 1] or cnt != COUNT_TABLE[n - 1]:
            err(n, f'kimariji {ki}/{cnt}')
        if len(ki) != max(4, len(stem)) or IDSP in stem or len(stem) != min(cnt, 5):
            err(n, f'kimariji fill {ki!r}')
        if not KANA[n][0].replace(' ', '').startswith(stem):
            err(n, 'upper verse does not begin with its decisive syllables')
        if decisive_length(n) != cnt:
            err(n, f'recomputed decisive length {decisive_length(n)} != {cnt}')
        counts[cnt] += 1
        if '\n' in me or '\r' in me:
            err(n, 'line break in meaning')
        for c in half:
            half[c] += me.count(c)
        for run in re.findall('\uff65+', me):
            if len(run) not in (3, 4):
                err(n, 'half-width dot run')
        if me.endswith(' '):
            trailing += 1
        if ' ' in me.rstrip(' '):
            inner += 1
        for c in me:
            if ord(c) < 0x80 and c != ' ':
                err(n, f'ASCII {c!r} in meaning')
            if '\uff61' <= c <= '\uff9f' and c not in half:
                err(n, f'half-width {c} in meaning')
    ups = [recs[n][0] for n in range(1, 101)]
    los = [recs[n][1] for n in range(1, 101)]
    if max(ups, key=len) != ups[56] or len(ups[56]) != 20:
        err(57, 'is not the single longest upper verse')
    if [len(s) for s in ups].count(20) != 1 or [len(s) for s in los].count(16) != 1 or len(los[72]) != 16:
        err(73, 'longest verses')
    if sum(s.count('々') for s in los) != 1:
        err(0, '々 in lower verses')
    alltext = ''.join(ups + los)
    for c in 'ゐゑをぢづ':
        if c not in alltext:
            err(0, f'{c} missing')
    if counts[1:] != [7, 43, 36, 6, 2, 6]:
        err(0, f'group counts {counts[1:]}')
    if (recs[1][:2] != ('秋の田の　かりほの庵の　苫をあらみ', '我が衣手は　露にぬれつつ') or
            recs[100][:2] != ('ももしきや　ふるき軒ばの　しのぶにも', 'なほあまりある　昔なりけり')):
        err(0, 'poems 1/100')
    # The cards show the lower verses in plain kana without voicing marks; they must be the same poems.
    cards = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'torifuda_kana.txt')
    if os.path.exists(cards):
        lines = open(cards, encoding='utf-8').read().split('\n')
        for n in range(1, 101):
            if unvoiced(KANA[n][1]) != unvoiced(lines[n - 1] if n - 1 < len(lines) else ''):
                err(n, f'card text {lines[n - 1]!r} differs from the lower verse')
    mes = [recs[n][3] for n in range(1, 101)]
    stats = {
        '･': half['\uff65'], '､': half['\uff64'], 'trailing space': trailing, 'inner space': inner,
        '「': sum(m.count('「') for m in mes), '」': sum(m.count('」') for m in mes),
        '∧': sum(m.count('∧') for m in mes), '∨': sum(m.count('∨') for m in mes),
        '・・・': sum(m.count('・・・') for m in mes), '！': sum(m.count('！') for m in mes),
        'meaning length': (min(map(len, mes)), max(map(len, mes))),
    }
    print(stats)
    for e in errors:
        print(e)
    print('OK' if not errors else f'{len(errors)} errors')
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
