#!/usr/bin/env python3
"""The phone page in a real browser: headless Chromium at a phone's size drives the
drawing window (`Dellamy --remote 127.0.0.1`, offscreen) end to end.

Usage: test_remote_page.py APP_DIR [SCREENSHOT.png]
APP_DIR is the assembled application directory (programs and Data/Projects); the test
copies its projects into a temporary data folder and never writes into APP_DIR.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.error
import urllib.request

PROJECT = "课堂点名"
APP_DIR = None
SCREENSHOT = None


def find_browser():
    for name in ("chromium", "chromium-browser"):
        path = shutil.which(name)
        if path:
            return path
    return None


def find_driver():
    for path in (shutil.which("chromedriver"), "/usr/bin/chromedriver"):
        if path and os.path.exists(path):
            return path
    return None


def http_status(url):
    try:
        with urllib.request.urlopen(url, timeout=10) as response:
            return response.status, response.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


class RemotePageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        from selenium import webdriver

        cls.data_dir = tempfile.mkdtemp(prefix="zelmora-remote-")
        shutil.copytree(os.path.join(APP_DIR, "Data"), os.path.join(cls.data_dir, "Data"))
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        cls.window = subprocess.Popen(
            [os.path.join(APP_DIR, "Dellamy"), "--project", PROJECT, "--remote", "127.0.0.1",
             "--appdir", cls.data_dir],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, text=True)
        cls.page = cls.window.stdout.readline().strip()
        if not cls.page.startswith("http://127.0.0.1:"):
            cls.window.kill()
            raise AssertionError("no page address printed: %r %s" % (cls.page, cls.window.stderr.read()))

        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                         "--window-size=360,740", "--no-proxy-server", "--lang=zh-CN"):
            options.add_argument(argument)
        options.binary_location = find_browser()
        cls.options = options
        cls.browsers = []

    def new_browser(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        browser = webdriver.Chrome(service=Service(find_driver()), options=self.options)
        browser.set_window_size(360, 740)
        self.browsers.append(browser)
        return browser

    @classmethod
    def tearDownClass(cls):
        for browser in cls.browsers:
            browser.quit()
        cls.window.kill()
        cls.window.wait()
        shutil.rmtree(cls.data_dir, ignore_errors=True)

    def wait_for(self, browser, condition, what, timeout=20):
        from selenium.webdriver.support.ui import WebDriverWait
        WebDriverWait(browser, timeout).until(lambda b: condition(b), message=what)

    def text(self, browser, element_id):
        return browser.find_element("id", element_id).text

    def history(self):
        output = subprocess.run(
            [os.path.join(APP_DIR, "Dellamy"), "--history", PROJECT, "--json", "--appdir", self.data_dir],
            capture_output=True, text=True, check=True).stdout
        return json.loads(output)["draws"]

    def test_1_page_drives_a_draw(self):
        browser = self.new_browser()
        browser.get(self.page)
        self.wait_for(browser, lambda b: self.text(b, "status") == "已连接" and self.text(b, "go") == "开始",
                      "the page connects and shows 开始")
        self.assertIn("课堂点名", self.text(browser, "title"))
        width = browser.execute_script("return document.documentElement.clientWidth")
        self.assertLessEqual(width, 360)
        self.assertLessEqual(browser.execute_script("return document.documentElement.scrollWidth"), width,
                             "nothing sticks out sideways on a phone")

        browser.find_element("id", "go").click()
        self.wait_for(browser, lambda b: self.text(b, "go") == "停止", "the window started drawing")
        browser.find_element("id", "go").click()
        self.wait_for(browser, lambda b: self.text(b, "go") == "开始" and self.text(b, "results") not in ("", "抽取中…"),
                      "the window stopped and the page shows the result")
        shown = self.text(browser, "results")

        # The window records the draw: its history holds the same result.
        deadline = time.monotonic() + 20
        draws = []
        while time.monotonic() < deadline and not draws:
            draws = self.history()
            time.sleep(0.2)
        self.assertTrue(draws, "the draw reached the window's history")
        self.assertIn(shown, json.dumps(draws, ensure_ascii=False))
        if SCREENSHOT:
            browser.save_screenshot(SCREENSHOT)

    def test_2_second_device_refused(self):
        # The first browser of test 1 is still connected.
        self.assertTrue(self.browsers, "a first device is connected")
        browser = self.new_browser()
        browser.get(self.page)
        self.wait_for(browser, lambda b: self.text(b, "status") == "已有设备在遥控", "the second device is refused")
        self.assertTrue(browser.find_element("id", "go").get_attribute("disabled"))

    def test_3_without_the_code_no_page(self):
        root = self.page.rsplit("/", 1)[0]
        code = self.page.rsplit("/", 1)[1]
        for url in (root, root + "/", root + "/" + code[:-1] + ("A" if code[-1] != "A" else "B"),
                    self.page.split("/r/")[0] + "/"):
            status, body = http_status(url)
            self.assertEqual(status, 403, url)
            self.assertNotIn(b"<html", body)
        browser = self.new_browser()
        browser.get(root + "/" + "x" * len(code))
        self.assertNotIn("开始", browser.page_source)


def main():
    global APP_DIR, SCREENSHOT
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    APP_DIR = os.path.abspath(sys.argv[1])
    SCREENSHOT = sys.argv[2] if len(sys.argv) > 2 else None
    missing = [what for what, found in (("chromium", find_browser()), ("chromium-driver", find_driver()))
               if not found]
    try:
        import selenium  # noqa: F401
    except ImportError:
        missing.append("python3-selenium")
    if missing:
        print("SKIPPED: %s not installed (scripts/setup installs them)" % ", ".join(missing))
        return 77
    result = unittest.main(argv=[sys.argv[0], "-v"], exit=False).result
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
