// The page around the game: loading, the whole-number scale, full screen,
// the sound notice, the browser's storage for score.dat, and the URL's
// replay=SCRIPT (played as --replay does), debug=1 (the game's debug lines)
// and renderer=software (SDL draws without WebGL).
'use strict';

const PICTURE_WIDTH = 640;
const PICTURE_HEIGHT = 480;
const PLAYER_FOLDER = '/home/web_user/.local/share/frogpond';

const stage = document.getElementById('stage');
const canvas = document.getElementById('canvas');
const params = new URLSearchParams(location.search);

function say(id, text) {
  const line = document.getElementById(id);
  line.textContent = text;
  line.hidden = false;
}

// The largest whole factor that fits, never below one.
function wholeScale(width, height) {
  return Math.max(1, Math.floor(Math.min(width / PICTURE_WIDTH, height / PICTURE_HEIGHT)));
}

function fitPicture() {
  stage.style.setProperty('--scale', wholeScale(stage.clientWidth, stage.clientHeight));
}

// Alt+Enter is taken before SDL sees it: a browser grants full screen only
// inside the key's own event.
function altEnter(event) {
  if (event.altKey && event.key === 'Enter') {
    event.preventDefault();
    event.stopImmediatePropagation();
    if (!event.repeat) toggleFullscreen();
  }
}

function toggleFullscreen() {
  if (document.fullscreenElement) {
    document.exitFullscreen();
  } else if (stage.requestFullscreen) {
    stage.requestFullscreen().catch(() => say('notice', 'The browser refused full screen.'));
  }
}

// Browsers start sound only after a key press or click; the game's sounds
// wait in the mixer until then, so the line goes once sound runs.
function watchSound() {
  const timer = setInterval(() => {
    const audio = Module.SDL2 && Module.SDL2.audioContext;
    if (audio && audio.state === 'running') {
      document.getElementById('sound').hidden = true;
      clearInterval(timer);
    }
  }, 200);
}

function storageRefused() {
  say('notice', 'This browser keeps no storage for the page (a private window?): ' +
      'the game plays, but best times last only until the page is closed.');
}

// The player's folder lives in IndexedDB; the game starts once it is read.
function openStorage() {
  FS.mkdirTree(PLAYER_FOLDER);
  FS.mount(IDBFS, {}, PLAYER_FOLDER);
  addRunDependency('storage');
  FS.syncfs(true, (error) => {
    if (error) storageRefused();
    removeRunDependency('storage');
  });
}

function fetchReplay(url) {
  addRunDependency('replay');
  fetch(url)
    .then((response) => {
      if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
      return response.text();
    })
    .then((text) => FS.writeFile('/replay.txt', text))
    .catch((error) => say('notice', 'The replay ' + url + ' could not be read (' + error.message + ').'))
    .finally(() => removeRunDependency('replay'));
}

function showProgress(text) {
  const got = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text);
  if (got) document.getElementById('bar').value = Number(got[1]) / Number(got[2]);
  document.getElementById('status').textContent = text || 'Starting';
}

function logLine(text) {
  Module.frogpondLog.push(text);
  console.log(text);
}

const gameArguments = ['--window'];
if (params.get('replay')) gameArguments.push('--replay', '/replay.txt');
if (params.get('debug') === '1') gameArguments.push('--debug');

var Module = {
  canvas: canvas,
  arguments: gameArguments,
  frogpondLog: [],
  frogpondFrames: 0,
  frogpondStored: (error) => { if (error) storageRefused(); },
  preRun: [() => {
    if (params.get('renderer') === 'software') ENV.SDL_RENDER_DRIVER = 'software';
    openStorage();
    if (params.get('replay')) fetchReplay(params.get('replay'));
  }],
  print: logLine,
  printErr: logLine,
  setStatus: showProgress,
  onRuntimeInitialized: () => {
    document.getElementById('loading').hidden = true;
    fitPicture();
    watchSound();
  },
};

function start() {
  fitPicture();
  window.addEventListener('resize', fitPicture);
  window.addEventListener('keydown', altEnter, true);
  document.addEventListener('fullscreenchange', fitPicture);
  document.getElementById('fullscreen').addEventListener('click', toggleFullscreen);
  if (typeof WebAssembly !== 'object') {
    say('status', 'This browser cannot run WebAssembly, which the game needs: please try a current browser.');
    return;
  }
  const script = document.createElement('script');
  script.src = 'frogpond.js';
  script.onerror = () => say('status', 'The game could not be loaded from the server.');
  document.body.appendChild(script);
}

start();
