"""A small W3C WebDriver client over plain HTTP, enough to drive chromium
through chromium-driver: sessions, navigation, scripts, window size,
screenshots and Chrome's DevTools commands."""
import base64
import json
import time
import urllib.error
import urllib.request


class WebDriverError(Exception):
    pass


class Session:
    def __init__(self, driver_url, chromium_args):
        self.driver_url = driver_url.rstrip('/')
        capabilities = {'capabilities': {'alwaysMatch': {
            'browserName': 'chrome',
            'goog:chromeOptions': {'binary': '/usr/bin/chromium', 'args': chromium_args},
        }}}
        self.id = self._call('POST', '/session', capabilities)['sessionId']

    def _call(self, method, path, body=None):
        data = json.dumps(body if body is not None else {}).encode() if method == 'POST' else None
        request = urllib.request.Request(self.driver_url + path, data=data, method=method,
                                         headers={'Content-Type': 'application/json'})
        try:
            with urllib.request.urlopen(request, timeout=120) as response:
                return json.load(response)['value']
        except urllib.error.HTTPError as error:
            raise WebDriverError(f'{method} {path}: {error.read().decode(errors="replace")[:500]}') from None

    def command(self, method, path, body=None):
        return self._call(method, f'/session/{self.id}{path}', body)

    def go(self, url):
        self.command('POST', '/url', {'url': url})

    def run(self, script, *args):
        return self.command('POST', '/execute/sync', {'script': script, 'args': list(args)})

    def run_async(self, script, *args):
        return self.command('POST', '/execute/async', {'script': script, 'args': list(args)})

    def wait_for(self, script, seconds, what, *args):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.run(script, *args)
            if value:
                return value
            time.sleep(0.05)
        raise WebDriverError(f'waited {seconds} s for {what}')

    def set_window_size(self, width, height):
        self.command('POST', '/window/rect', {'width': width, 'height': height})

    def element(self, css):
        found = self.command('POST', '/element', {'using': 'css selector', 'value': css})
        return next(iter(found.values()))

    def save_screenshot(self, css, path):
        png = self.command('GET', f'/element/{self.element(css)}/screenshot')
        with open(path, 'wb') as out:
            out.write(base64.b64decode(png))

    def press(self, key, hold_ms=100):
        """Presses and releases a key as the keyboard would (a trusted event)."""
        actions = [{'type': 'keyDown', 'value': key}, {'type': 'pause', 'duration': hold_ms},
                   {'type': 'keyUp', 'value': key}]
        self.command('POST', '/actions', {'actions': [{'type': 'key', 'id': 'keyboard', 'actions': actions}]})

    def press_with_alt(self, key):
        actions = [{'type': 'keyDown', 'value': '\ue00a'}, {'type': 'keyDown', 'value': key},
                   {'type': 'pause', 'duration': 100}, {'type': 'keyUp', 'value': key},
                   {'type': 'keyUp', 'value': '\ue00a'}]
        self.command('POST', '/actions', {'actions': [{'type': 'key', 'id': 'keyboard', 'actions': actions}]})

    def devtools(self, cmd, params):
        return self.command('POST', '/goog/cdp/execute', {'cmd': cmd, 'params': params})

    def quit(self):
        try:
            self.command('DELETE', '')
        except (WebDriverError, OSError):
            pass
