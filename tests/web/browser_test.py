"""Plays the web page in headless chromium: stages 1 and 5 from the prolog
through the stage select by their replays, each clear within 20 ms of its
replay's time, the best times still in the browser's storage after a reload,
a damaged score.dat read as on the desktop, storage refused, and the whole
scale of the picture at several window sizes. Saves screenshots of the title,
a stage and the result, and prints the figures it measured.

usage: browser_test.py PAGE_URL DRIVER_URL SHIPPED_SCORES OUT_DIR STAGE:SESSION:CLEAR_MS..."""
import json
import os
import sys
import time

from webdriver import Session, WebDriverError

PLAYER_SCORES = '/home/web_user/.local/share/frogpond/score.dat'
CHROMIUM_ARGS = ['--headless=new', '--no-sandbox', '--window-size=1400,1100', '--use-gl=swiftshader']
SLOTS = 3
DIGITS = 7
SAVE_SECONDS = 120

READ_SCORES = """
try { return FS.readFile(arguments[0], {encoding: 'utf8'}); } catch (e) { return null; }"""
# The result screen says so in a debug line when its fade-in is over.
RESULT_SHOWN = "return Module.frogpondLog.some((line) => line.startsWith('FadeInEnd'));"
FRAMES = "return typeof Module == 'object' && Module.frogpondFrames ? Module.frogpondFrames : 0;"
# Writes a score.dat into the player's folder and waits until it is in IndexedDB.
STORE_SCORES = """
const done = arguments[arguments.length - 1];
FS.writeFile(arguments[0], arguments[1]);
FS.syncfs(false, (error) => done(error ? String(error) : 'stored'));"""
# Frames shown over ten seconds of wall time, as the page counts them.
COUNT_FRAMES = """
const done = arguments[arguments.length - 1];
const frames = Module.frogpondFrames, start = performance.now();
setTimeout(() => done([Module.frogpondFrames - frames, performance.now() - start]), 10000);"""
PICTURE_BOX = """
const stage = document.getElementById('stage').getBoundingClientRect();
const canvas = document.getElementById('canvas').getBoundingClientRect();
return {stage: [stage.left, stage.top, stage.width, stage.height],
        canvas: [canvas.left, canvas.top, canvas.width, canvas.height],
        rendering: getComputedStyle(document.getElementById('canvas')).imageRendering};"""

failures = []


def check(ok, message):
    print(('ok   ' if ok else 'FAIL ') + message)
    if not ok:
        failures.append(message)


def best_time(scores, stage):
    at = (stage - 1) * SLOTS * DIGITS
    return int(scores[at:at + DIGITS])


def session_frames(path):
    """Frames of the script before its '# black' line, where the stage starts."""
    before = 0
    with open(path) as script:
        for line in script:
            if line.startswith('# black'):
                return before
            if line.strip() and not line.startswith('#'):
                before += int(line.split()[1])
    return before


def load(browser, url):
    """Opens the page and returns the ms from navigation to its first frame."""
    browser.go(url)
    browser.wait_for(FRAMES, 30, 'the first frame')
    return browser.run('return Module.frogpondFirstFrameMs;')


def wait_for_frame(browser, frame):
    browser.wait_for(f'return Module.frogpondFrames >= {frame};', 120, f'frame {frame}')


def wait_for_new_best(browser, stage, before):
    deadline = time.monotonic() + SAVE_SECONDS
    while time.monotonic() < deadline:
        scores = browser.run(READ_SCORES, PLAYER_SCORES)
        if scores and len(scores) == len(before) and best_time(scores, stage) != best_time(before, stage):
            return scores
        time.sleep(0.2)
    raise WebDriverError(f'stage {stage}: no new best time saved in {SAVE_SECONDS} s')


def play_stage(browser, page, out, stage, session, clear_ms, figures):
    """Plays one session script; returns score.dat as saved after it. The
    first stage shows the title and its result, the second its board in play
    after ten seconds of counting frames."""
    before_black = session_frames(os.path.join(out, 'site', session))
    figures[f'first frame, stage {stage} load (ms)'] = load(browser, f'{page}?replay={session}&debug=1')
    before = browser.run(READ_SCORES, PLAYER_SCORES)
    if stage == 1:
        wait_for_frame(browser, 200)
        browser.save_screenshot('#canvas', os.path.join(out, 'web_title.png'))
    else:
        wait_for_frame(browser, before_black + 60)
        frames, ms = browser.run_async(COUNT_FRAMES)
        figures['frames a second over 10 s of play'] = round(frames * 1000 / ms, 2)
        browser.save_screenshot('#canvas', os.path.join(out, 'web_stage.png'))
    if stage == 1:
        browser.wait_for(RESULT_SHOWN, 120, 'the result screen')
        browser.save_screenshot('#canvas', os.path.join(out, 'web_result.png'))
    scores = wait_for_new_best(browser, stage, before)
    found = best_time(scores, stage)
    check(abs(found - clear_ms) <= 20, f'stage {stage} cleared in {found} ms (replay {clear_ms} ms)')
    return scores


def test_storage(browser, page, shipped, plays, out, figures):
    load(browser, page)
    first = browser.wait_for(READ_SCORES, 10, 'score.dat', PLAYER_SCORES)
    check(first == shipped, 'the first start has a copy of the shipped score.dat')
    saved = shipped
    for stage, session, clear_ms in plays:
        saved = play_stage(browser, page, out, stage, session, clear_ms, figures)
    figures['first frame after a reload (ms)'] = load(browser, page)
    kept = browser.run(READ_SCORES, PLAYER_SCORES)
    check(kept == saved, 'after a reload the storage holds the new best times: ' +
          ', '.join(f'stage {s} {best_time(kept or saved, s)} ms' for s, _, _ in plays))
    return saved


def test_damaged_scores(browser, page, saved, plays):
    """A damaged slot reads as 9999999, the whole ones are kept by the next save."""
    stage, session, _ = plays[0]
    damaged_at = 2 * SLOTS * DIGITS + DIGITS
    damaged = saved[:damaged_at] + '12x4567' + saved[damaged_at + DIGITS:]
    check(browser.run_async(STORE_SCORES, PLAYER_SCORES, damaged) == 'stored', 'a damaged score.dat is stored')
    browser.go(f'{page}?replay={session}&debug=1')
    after = wait_for_new_best_or_rank(browser, damaged)
    log = '\n'.join(browser.run('return Module.frogpondLog;'))
    check('score.dat: 1 of 240 best times unreadable' in log, 'the damaged slot is reported in the debug lines')
    expected_rest = saved[:damaged_at] + '9999999' + saved[damaged_at + DIGITS:]
    untouched = SLOTS * DIGITS
    check(after[untouched:] == expected_rest[untouched:],
          'the save after it keeps every whole slot and writes 9999999 for the damaged one')


def wait_for_new_best_or_rank(browser, before):
    browser.wait_for(FRAMES, 30, 'the first frame')
    deadline = time.monotonic() + SAVE_SECONDS
    while time.monotonic() < deadline:
        scores = browser.run(READ_SCORES, PLAYER_SCORES)
        if scores and scores != before:
            return scores
        time.sleep(0.2)
    raise WebDriverError('no save after the damaged score.dat')


def test_scaling(browser, page):
    load(browser, page)
    for width, height in [(1400, 1100), (1000, 700), (700, 500), (500, 400), (2000, 1600)]:
        browser.set_window_size(width, height)
        time.sleep(0.3)
        box = browser.run(PICTURE_BOX)
        stage_w, stage_h = box['stage'][2], box['stage'][3]
        scale = max(1, int(min(stage_w // 640, stage_h // 480)))
        left, top, w, h = box['canvas']
        centred = abs(left - (box['stage'][0] + (stage_w - w) / 2)) <= 1 and \
            (h > stage_h or abs(top - (box['stage'][1] + (stage_h - h) / 2)) <= 1)
        check((w, h) == (640 * scale, 480 * scale) and centred,
              f'window {width}x{height}: picture {w:.0f}x{h:.0f} at scale {scale}, centred')
    check(box['rendering'] == 'pixelated', 'the picture is scaled with nearest neighbour')
    for want in (True, False):
        browser.press_with_alt('\ue007')
        time.sleep(0.5)
        check(browser.run('return !!document.fullscreenElement;') == want,
              'Alt+Enter ' + ('enters' if want else 'leaves') + ' full screen')


def test_storage_refused(driver):
    browser = Session(driver, CHROMIUM_ARGS)
    try:
        browser.devtools('Page.addScriptToEvaluateOnNewDocument', {'source':
            "IDBFactory.prototype.open = function() { throw new DOMException('refused', 'SecurityError'); };"})
        return browser
    except WebDriverError:
        browser.quit()
        raise


def main():
    page, driver, shipped_path, out = sys.argv[1:5]
    plays = [(int(s), name, int(ms)) for s, name, ms in (arg.split(':') for arg in sys.argv[5:])]
    with open(shipped_path) as f:
        shipped = f.read()
    figures = {}
    browser = Session(driver, CHROMIUM_ARGS)
    try:
        saved = test_storage(browser, page, shipped, plays, out, figures)
        test_damaged_scores(browser, page, saved, plays)
        test_scaling(browser, page)
    finally:
        browser.quit()
    refused = test_storage_refused(driver)
    try:
        load(refused, page)
        time.sleep(1)
        notice = refused.run("const n = document.getElementById('notice'); return n.hidden ? '' : n.textContent;")
        frames = refused.run(FRAMES)
        time.sleep(1)
        check('no storage' in notice and refused.run(FRAMES) > frames,
              'with storage refused the page says so and the game plays on')
    finally:
        refused.quit()
    for name, value in figures.items():
        print(f'figure: {name}: {value}')
    with open(os.path.join(out, 'figures.json'), 'w') as f:
        json.dump(figures, f, indent=1)
    if failures:
        print(f'{len(failures)} failed', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
