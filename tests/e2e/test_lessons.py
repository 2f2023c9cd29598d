"""Moving through questions and chapters, and resuming there at the next start."""

import os
import unittest

from desktop import Desktop, MainWindow, Trainer, valid_settings

EXECUTABLE = os.environ["VENLORIN_EXECUTABLE"]
NEXT_QUESTION = (242, 256, 62, 32)
NEXT_CHAPTER = (359, 256, 59, 32)


class Lessons(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop().__enter__()
        self.trainer = Trainer(EXECUTABLE)
        for chapter in (1, 2):
            self.trainer.write_chapter(chapter, ["Sentence %d.%d." % (chapter, i) for i in range(1, 6)],
                                       ["第%d章第%d句" % (chapter, i) for i in range(1, 6)])

    def tearDown(self):
        self.trainer.cleanup()
        self.desktop.__exit__(None, None, None)

    def start(self):
        self.trainer.start(self.desktop)
        window = self.desktop.find_window("Venlorin")
        self.assertIsNotNone(window, "the main window did not open")
        return MainWindow(self.desktop, window)

    def close(self):
        self.desktop.close("Venlorin")
        self.assertEqual(self.trainer.wait(), 0)

    def test_chapter_change_is_resumed_at_the_next_start(self):
        self.trainer.write_settings(valid_settings(section="1", topic="1", log="1"))
        main = self.start()
        for _ in range(3):
            main.click(*NEXT_QUESTION)
        main.click(*NEXT_CHAPTER)
        self.close()
        settings = self.trainer.read("log.ini")
        self.assertIn(b"section=2\r\n", settings)
        self.assertIn(b"topic=1\r\n", settings)

        main = self.start()
        self.assertEqual(main.read("编辑框1", "标签3", "状态条", "组合框1"),
                         ["第2章第1句", "当前第 2 章，共 5 道题目", "已获取题目", "第 1 题"])
        main.click(*NEXT_QUESTION)
        self.assertEqual(main.read("编辑框1", "状态条"), ["第2章第2句", "第 2 题"])
        self.close()
        settings = self.trainer.read("log.ini")
        self.assertIn(b"section=2\r\n", settings)
        self.assertIn(b"topic=2\r\n", settings)


if __name__ == "__main__":
    unittest.main()
