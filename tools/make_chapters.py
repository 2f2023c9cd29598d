#!/usr/bin/env python3
"""Writes the demo chapters shipped with the program.

Each chapter is a pair of files in data/res/sectionN: TXT1.TXT holds the
English answers, TXT2.TXT the Chinese prompts on the same line numbers.
The program reads them as GBK with CR LF line ends, so that is what we
write. Line 1 of a chapter doubles as its topic line, so keep it short.

Run from anywhere:  python3 tools/make_chapters.py
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (min words, max words, [(english, chinese), ...])
CHAPTERS = {
    1: (3, 7, [
        ("Nice to meet you.", "很高兴认识你。"),
        ("Good morning, everyone!", "大家早上好！"),
        ("I am a student.", "我是一名学生。"),
        ("My name is Li Ming.", "我的名字叫李明。"),
        ("What's your name?", "你叫什么名字？"),
        ("I'm from China.", "我来自中国。"),
        ("How are you today?", "你今天好吗？"),
        ("I'm fine, thank you.", "我很好，谢谢你。"),
        ("This is my teacher.", "这是我的老师。"),
        ("She is Tom's sister.", "她是汤姆的姐姐。"),
        ("Please open your books.", "请打开你们的书。"),
        ("May I come in?", "我可以进来吗？"),
        ("Yes, you may.", "是的，你可以。"),
        ("Do you like English?", "你喜欢英语吗？"),
        ("Yes, I do.", "是的，我喜欢。"),
        ("I don't understand this word.", "我不明白这个单词。"),
        ("Please say it again.", "请再说一遍。"),
        ("It's time for class.", "上课时间到了。"),
        ("Where is your pencil?", "你的铅笔在哪里？"),
        ("See you tomorrow!", "明天见！"),
    ]),
    2: (6, 12, [
        ("Let's go shopping at the market.", "我们去市场购物吧。"),
        ("I usually get up at half past six.", "我通常六点半起床。"),
        ("What time does the shop open on Sunday?", "这家商店星期天几点开门？"),
        ("How much is this blue shirt, please?", "请问这件蓝色衬衫多少钱？"),
        ("It's too expensive, so I won't buy it.", "它太贵了，所以我不买。"),
        ("Can I try it on, please?", "请问我可以试穿一下吗？"),
        ("My mother cooks dinner for us every evening.", "我妈妈每天晚上给我们做晚饭。"),
        ("We don't have any milk left at home.", "我们家里一点牛奶也没有了。"),
        ("Excuse me, where is the nearest bank?", "打扰一下，最近的银行在哪里？"),
        ("It's a quarter to eight in the morning.", "现在是早上七点四十五分。"),
        ("Do you walk to school or take the bus?", "你是走路上学还是坐公交车？"),
        ("I often read a book before I go to bed.", "我睡觉前常常读一会儿书。"),
        ("Tom's brother plays football every Saturday.", "汤姆的哥哥每个星期六都踢足球。"),
        ("Could you give me a bag, please?", "请问你能给我一个袋子吗？"),
        ("What would you like to drink with your lunch?", "你午饭想喝点什么？"),
        ("I'd like a cup of tea, thank you.", "我想要一杯茶，谢谢。"),
        ("It's raining, so don't forget your umbrella.", "下雨了，别忘了带伞。"),
        ("How long does it take to get there?", "到那里要多长时间？"),
        ("The supermarket is next to the post office.", "超市就在邮局旁边。"),
        ("Hurry up, or we'll miss the train!", "快点，不然我们就赶不上火车了！"),
    ]),
    3: (10, 22, [
        ("Travelling abroad is exciting, but it can be tiring too.", "出国旅行令人兴奋，但也可能很累。"),
        ("Before you leave for the airport, make sure you have your passport.", "去机场之前，一定要确认带好了护照。"),
        ("We booked a small hotel near the beach for the whole week.", "我们在海滩附近订了一家小旅馆，住一整个星期。"),
        ("If the weather is fine tomorrow, we'll climb the mountain behind the village.", "如果明天天气好，我们就去爬村子后面的那座山。"),
        ("I'm afraid the last train to the city has already left.", "恐怕开往市区的最后一班火车已经开走了。"),
        ("Could you tell me how to get to the museum from here?", "你能告诉我从这里怎么去博物馆吗？"),
        ("My manager asked me to finish the report before Friday afternoon.", "经理让我在星期五下午之前完成这份报告。"),
        ("I have worked at this company for three years, and I still enjoy it.", "我在这家公司工作三年了，现在仍然很喜欢这份工作。"),
        ("The meeting was put off because two of our colleagues were ill.", "因为我们有两位同事生病了，会议被推迟了。"),
        ("In my opinion, learning a foreign language opens many doors.", "在我看来，学习一门外语能带来很多机会。"),
        ("I don't think money is the most important thing in life.", "我认为金钱并不是生活中最重要的东西。"),
        ("She's looking for a job where she can use her English every day.", "她正在找一份每天都能用到英语的工作。"),
        ("Although the flight was delayed for two hours, nobody on board complained.", "虽然航班延误了两个小时，但机上没有一个人抱怨。"),
        ("It's often cheaper to buy train tickets online than at the station.", "网上买火车票通常比在车站买便宜。"),
        ("When I arrived in London, the first thing I did was call my parents.", "我到伦敦后做的第一件事就是给父母打电话。"),
        ("Do you think it's better to work in a big city or a small town?", "你认为在大城市工作好还是在小镇工作好？"),
        ("Our team didn't win the contract, but we learned a great deal from it.", "我们团队没有拿下这份合同，但我们从中学到了很多。"),
        ("Please remember to switch off the lights and lock the door when you leave.", "离开的时候请记得关灯锁门。"),
        ("What a beautiful view! I'm so glad we came here.", "多美的景色啊！我真高兴我们来了这里。"),
        ("Tom's plan is to save some money this year and travel around Europe next summer.", "汤姆的计划是今年存些钱，明年夏天去欧洲各地旅行。"),
    ]),
}

# Characters allowed in an answer: the check compares punctuation literally,
# so anything a keyboard cannot type easily would make a question unanswerable.
ALLOWED = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,?!'-")


def problems(number, low, high, pairs):
    found = []
    if not 15 <= len(pairs) <= 25:
        found.append("chapter %d has %d questions" % (number, len(pairs)))
    for i, (en, zh) in enumerate(pairs, 1):
        where = "chapter %d line %d" % (number, i)
        for text in (en, zh):
            if text != text.strip() or not text or "\t" in text or "\n" in text or "\r" in text:
                found.append("%s: blank, tab, line break or stray spaces" % where)
        if "  " in en:
            found.append("%s: double space" % where)
        bad = set(en) - ALLOWED
        if bad:
            found.append("%s: unexpected characters %r" % (where, "".join(sorted(bad))))
        words = len(en.split(" "))
        if not low <= words <= high:
            found.append("%s: %d words, expected %d-%d" % (where, words, low, high))
        try:
            en.encode("gbk")
            zh.encode("gbk")
        except UnicodeEncodeError as e:
            found.append("%s: not encodable as GBK (%s)" % (where, e))
    return found


def encode(lines):
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def write(path, data):
    # Write beside the target and rename, so an interrupted run never leaves
    # a half-written chapter behind.
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def verify(path, low, high, english):
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        raise SystemExit("%s: has a BOM" % path)
    if not raw.endswith(b"\r\n"):
        raise SystemExit("%s: last line lacks CR LF" % path)
    text = raw.decode("gbk")
    body = text[:-2].split("\r\n")
    for line in body:
        if not line or "\r" in line or "\n" in line:
            raise SystemExit("%s: empty line or bare CR/LF" % path)
    if english:
        counts = [len(line.split(" ")) for line in body]
        if min(counts) < low or max(counts) > high:
            raise SystemExit("%s: word count out of range" % path)
    return body


def main():
    errors = []
    for number, (low, high, pairs) in sorted(CHAPTERS.items()):
        errors += problems(number, low, high, pairs)
    if errors:
        for e in errors:
            print(e, file=sys.stderr)
        return 1

    print("%-8s %9s %9s %9s  %s" % ("chapter", "questions", "min words", "max words", "topic"))
    for number, (low, high, pairs) in sorted(CHAPTERS.items()):
        folder = os.path.join(ROOT, "data", "res", "section%d" % number)
        os.makedirs(folder, exist_ok=True)
        en_path = os.path.join(folder, "TXT1.TXT")
        zh_path = os.path.join(folder, "TXT2.TXT")
        write(en_path, encode(en for en, _ in pairs))
        write(zh_path, encode(zh for _, zh in pairs))

        en_lines = verify(en_path, low, high, True)
        zh_lines = verify(zh_path, low, high, False)
        if len(en_lines) != len(zh_lines):
            raise SystemExit("chapter %d: line counts differ" % number)
        counts = [len(line.split(" ")) for line in en_lines]
        print("%-8d %9d %9d %9d  %s（%s）"
              % (number, len(en_lines), min(counts), max(counts), en_lines[0], zh_lines[0]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
