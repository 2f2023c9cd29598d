"""The program's start and end, run for real on a virtual desktop."""

import os
import unittest

from desktop import Desktop, MainWindow, Trainer, gbk, valid_settings

EXECUTABLE = os.environ["VENLORIN_EXECUTABLE"]


class Lifecycle(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop().__enter__()
        self.trainer = Trainer(EXECUTABLE)
        self.trainer.write_chapter(1, ["I am a student.", "Good morning."], ["我是一名学生。", "早上好。"])

    def tearDown(self):
        self.trainer.cleanup()
        self.desktop.__exit__(None, None, None)

    def test_missing_settings_file_shows_the_error_and_ends_with_0(self):
        self.trainer.start(self.desktop)
        box = self.desktop.find_window("信息：")
        self.assertIsNotNone(box, "no error box")
        self.assertIsNone(self.desktop.find_window("Venlorin", timeout=0.5))
        self.assertIn("缺少配置文件log.ini，程序无法继续运行！", self.desktop.shown_texts())
        self.desktop.key(box, "Return")
        self.assertEqual(self.trainer.wait(), 0)
        self.assertFalse(os.path.exists(self.trainer.path("log.ini")))

    def test_missing_or_marked_required_key_shows_the_read_failure(self):
        for broken in ("skn=0\r\n", "skn=假\r\n"):
            with self.subTest(broken=broken):
                settings = valid_settings().replace("skn=0\r\n", "" if broken == "skn=0\r\n" else broken)
                self.trainer.write_settings(settings)
                before = self.trainer.read("log.ini")
                self.trainer.start(self.desktop)
                box = self.desktop.find_window("信息：")
                self.assertIsNotNone(box, "no error box")
                self.assertIn("读取配置信息失败！", self.desktop.shown_texts())
                self.desktop.key(box, "Return")
                self.assertEqual(self.trainer.wait(), 0)
                self.assertEqual(self.trainer.read("log.ini"), before)

    def test_close_box_stores_the_position_and_keeps_every_other_line(self):
        self.trainer.write_settings(valid_settings(topic="1", extra="video=false\r\n"))
        before = self.trainer.read("log.ini")
        self.trainer.start(self.desktop)
        window = self.desktop.find_window("Venlorin")
        self.assertIsNotNone(window, "the main window did not open")
        main = MainWindow(self.desktop, window)
        main.click(242, 256, 62, 32)  # 下一题
        self.desktop.close("Venlorin")
        self.assertEqual(self.trainer.wait(), 0)
        self.assertEqual(self.trainer.read("log.ini"), before.replace(b"topic=1\r\n", b"topic=2\r\n"))

    def test_nothing_is_written_when_the_position_is_not_to_be_stored(self):
        self.trainer.write_settings(valid_settings(log="0"))
        before = self.trainer.read("log.ini")
        self.trainer.start(self.desktop)
        window = self.desktop.find_window("Venlorin")
        self.assertIsNotNone(window)
        MainWindow(self.desktop, window).click(242, 256, 62, 32)
        self.desktop.close("Venlorin")
        self.assertEqual(self.trainer.wait(), 0)
        self.assertEqual(self.trainer.read("log.ini"), before)


if __name__ == "__main__":
    unittest.main()
