#!/usr/bin/env python3
"""Records the order Windows gives groups of file names, one group for each
kind of name a folder may hold, and writes them (UTF-8) for the tests:

    make_orders.py RECORDER OUTPUT     RECORDER: a command that runs sort_recorder

Each group is sorted by CompareStringA with NORM_IGNORECASE in the Japanese
locale; a name that compares equal to the one before it is marked "= ".
"""
import shlex
import subprocess
import sys

PUNCTUATION = ' !"#$%&\'()*+,-.;=@[]^_`{}~'
MARKS = 'ーｰヽヾゝゞ々―'
BEFORE_MARKS = ['', 'カ', 'か', 'ｶ', 'ｶﾞ', 'ぁ', 'a', '-', '㎜', '山', '゛']

GROUPS = {
    'camera': [
        'IMG_0007.JPG', 'IMG_0007_edited.JPG', 'IMG_0010.JPG', 'IMG_1234.JPG', 'IMG_1234_edited.JPG',
        'IMG-1234.jpg', 'img_1234.jpg', 'IMG_1234 (1).JPG', 'DSC01234.jpg', 'DSC01234 (2).jpg',
        'DSC01234(1).jpg', 'DSC_1234.JPG', 'P1010001.JPG', 'PXL_20240501_100000123.jpg',
        '20240501_100000.jpg', '20240501_100000_HDR.jpg', '20240501-100000.jpg', '2024-05-01 10.00.00.jpg',
        'Image(1).jpg', 'Image.jpg', 'image (1).jpg', 'Image-1.jpg', "Image's.jpg",
        'Screenshot_20240501-100000.jpg', 'Screenshot 2024-05-01.jpg', 'Screenshot_2024.jpg',
        '写真 (1).jpg', '写真.jpg', '写真(2).jpg', '写真_1.jpg', '㈱山田.jpg', '(株)山田.jpg', '山田.jpg',
    ],
    'punctuation': ['a%sb.jpg' % c for c in PUNCTUATION] + ['%s.jpg' % c for c in PUNCTUATION] + ['ab.jpg', 'a.jpg'] +
                   ['-ab.jpg', 'ab-.jpg', 'ab.jpg-', 'a--b.jpg', "a'-b.jpg", "a-'b.jpg", "'ab.jpg", 'ab\'.jpg', 'a‐b.jpg', 'a－b.jpg'],
    'digits': ['1.jpg', '10.jpg', '9.jpg', '01.jpg', '001.jpg', '0.jpg', '１.jpg', '１０.jpg', '９.jpg',
               'a1.jpg', 'a10.jpg', 'a2.jpg', '1a.jpg', '①.jpg', 'Ⅰ.jpg', 'ⅰ.jpg', 'Ⅱ.jpg'],
    'case and width': ['a.jpg', 'A.jpg', 'ａ.jpg', 'Ａ.jpg', 'b.jpg', 'B.JPG', 'ｂ.jpg', 'z.jpg', 'Z.jpg',
                       'ｚ.jpg', 'Ｚ.jpg', 'ab.jpg', 'aB.jpg', 'AB.jpg', 'ａｂ.jpg'],
    'kana': [c + '.jpg' for c in 'あぁアァｱｧいイｲかがカガｶはばぱハバパﾊつっツッｯやゃヤャｬんンﾝをヲｦヴ'] +
            ['ｶﾞ.jpg', 'ﾊﾞ.jpg', 'ﾊﾟ.jpg', 'ｳﾞ.jpg', 'か゛.jpg', 'は゜.jpg', 'ヵ.jpg', 'ヶ.jpg', 'ゐ.jpg', 'ヰ.jpg'],
    'marks': [b + m + '.jpg' for m in MARKS for b in BEFORE_MARKS] + ['カア.jpg', 'かあ.jpg', 'カカ.jpg', 'ガガ.jpg'],
    'greek and cyrillic': [c + '.jpg' for c in 'αΑβΒωΩаАбБяЯ'] + ['z.jpg', 'ア.jpg', '亜.jpg', '☆.jpg'],
    'symbols': [c + '.jpg' for c in '☆★○●◎◇◆□■△▲▽▼※〒→←↑↓〆仝々〃＄￥＠＃§¶†‡♪♭∞∴♂♀°′″℃Å・：；？！'],
    'kanji': [c + '.jpg' for c in '亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎或粟袷安庵按暗案闇鞍杏'
                                  '表ソ十能予貼暴欺申構蚕噂ポ兔榎掛浬纊褜鍈銈蓜俉炻昱棈鋹曻彅丨仡仼伀伃伹佖侒侊侚侔俍偀'],
    'prefixes': ['a', 'a.jpg', 'a.jpg.bak', 'a.jpeg', 'a.jpe', 'a.jfif', 'a.jfi', 'a.JPG', 'a.JPEG', 'ab',
                 'abc.jpg', 'abcd.jpg', 'x.jpgx', 'x.jpg.bak', 'x.y.z.jpg', 'x..jpg', '.jpg', 'x.jpe.jpg'],
}


def main():
    recorder, output = shlex.split(sys.argv[1]), sys.argv[2]
    lines = []
    for names in GROUPS.values():
        lines += [n.encode('cp932').hex() for n in names] + ['']
    run = subprocess.run(recorder + ['order'], input='\n'.join(lines) + '\n', capture_output=True, text=True, check=True)
    got = run.stdout.split('\n')
    if got[0] != 'acp 932 lcid 0411':
        sys.exit('make_orders: the recorder must run with code page 932 and locale 0411: %r' % got[0])
    groups = '\n'.join(got[1:]).strip('\n').split('\n\n')
    if len(groups) != len(GROUPS):
        sys.exit('make_orders: %d groups back for %d' % (len(groups), len(GROUPS)))
    with open(output, 'w', encoding='utf-8') as out:
        out.write('# Recorded by tools/sort_weights/record.sh: the order CompareStringA with\n'
                  '# NORM_IGNORECASE gives each group in the Japanese locale, under Wine.\n'
                  '# "= " marks a name that compares equal to the one before it; a line\n'
                  '# "group: NAME" begins a group.\n')
        for title, group in zip(GROUPS, groups):
            out.write('\ngroup: %s\n' % title)
            for line in group.split('\n'):
                tie = line.startswith('= ')
                name = bytes.fromhex(line[2:] if tie else line).decode('cp932')
                out.write(('= ' if tie else '') + name + '\n')


if __name__ == '__main__':
    main()
