"""Building the answer on the word grid with real clicks and accepting the next question."""

import os
import unittest

from desktop import Desktop, MainWindow, Trainer, valid_settings

EXECUTABLE = os.environ["VENLORIN_EXECUTABLE"]
SUBMIT = (9, 112, 80, 40)
# Slots 1 to 4 of the grid: the words of "I am a student." in order.
SLOT_CELLS = [(37, 296), (37, 456), (485, 424), (373, 424)]


class Answering(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop().__enter__()
        self.trainer = Trainer(EXECUTABLE)
        self.trainer.write_chapter(1, ["I am a student.", "Good morning.", "See you."],
                                   ["我是一名学生。", "早上好。", "再见。"])

    def tearDown(self):
        self.trainer.cleanup()
        self.desktop.__exit__(None, None, None)

    def test_word_grid_answer_is_congratulated_and_enter_moves_on(self):
        self.trainer.write_settings(valid_settings().replace("input=0", "input=1"))
        self.trainer.start(self.desktop)
        window = self.desktop.find_window("Venlorin")
        self.assertIsNotNone(window, "the main window did not open")
        main = MainWindow(self.desktop, window)
        self.assertEqual(main.read("按钮7", "按钮8", "按钮9", "按钮10", "按钮11"), ["I", "am", "a", "student.", ""])
        for x, y in SLOT_CELLS:
            main.click(x, y, 112, 32)
        self.assertEqual(main.read("编辑框3", "按钮7", "按钮10"), ["I am a student.", "", ""])
        main.click(*SUBMIT)
        box = self.desktop.find_window("消息")
        self.assertIsNotNone(box, "no congratulation box")
        self.assertIn("恭喜你，答案正确，你又进步了哦！是否要进入下一题？", self.desktop.shown_texts())
        self.desktop.key(box, "Return")
        self.assertTrue(self.desktop.window_gone("消息"))
        self.assertEqual(main.read("编辑框1", "编辑框3", "按钮7", "按钮8"), ["早上好。", "", "Good", "morning."])
        self.desktop.close("Venlorin")
        self.assertEqual(self.trainer.wait(), 0)
        self.assertIn(b"topic=2\r\n", self.trainer.read("log.ini"))

    def test_wrong_answer_is_reported_and_the_trainer_stays_on_the_question(self):
        self.trainer.write_settings(valid_settings().replace("input=0", "input=1"))
        self.trainer.start(self.desktop)
        window = self.desktop.find_window("Venlorin")
        main = MainWindow(self.desktop, window)
        main.click(*SLOT_CELLS[1], 112, 32)  # "am" first
        main.click(*SUBMIT)
        box = self.desktop.find_window("信息：")
        self.assertIsNotNone(box, "no error message")
        self.assertIn("对不起，答案错误，请再仔细思考一下！", self.desktop.shown_texts())
        self.desktop.key(box, "Return")
        self.desktop.close("Venlorin")
        self.assertEqual(self.trainer.wait(), 0)
        self.assertIn(b"topic=1\r\n", self.trainer.read("log.ini"))


if __name__ == "__main__":
    unittest.main()
