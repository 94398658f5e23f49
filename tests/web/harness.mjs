// SPDX-License-Identifier: MIT
// Serves the browser edition's site on 127.0.0.1 and drives it in Debian's
// headless Chromium over the DevTools protocol, for the tests and the benchmark.
import { execFileSync } from 'node:child_process';
import { readdirSync } from 'node:fs';
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';

// The site under test (STROBIX_SITE), its examples, and the desktop program
// (STROBIX_DESKTOP) that writes the reference links, prints and streams.
export const site = process.env.STROBIX_SITE || '../../build/web/site';
export const desktop = process.env.STROBIX_DESKTOP || '../../build/default/src/strobix';
export const examples = readdirSync(join(site, 'examples')).filter((name) => name.endsWith('.dat')).sort();
export const exampleFile = (name) => join(site, 'examples', name);
// The `seq=...` part of the desktop program's link to a file.
export const linkOf = (file) => execFileSync(desktop, ['--print-link', file]).toString().trim().replace(/^.*#/, '');

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.json': 'application/json', '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml', '.png': 'image/png', '.gif': 'image/gif',
    '.dat': 'application/octet-stream', '.css': 'text/css',
};

// A plain static server, as any web host is, on `host`; `offline()` makes it
// refuse everything, as a cut network would.
export async function serve(site, host = '127.0.0.1') {
    let online = true;
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        let file = normalize(join(site, path));
        if (!file.startsWith(normalize(site)) || !online) {
            response.destroy();
            return;
        }
        try {
            if ((await stat(file)).isDirectory())
                file = join(file, 'index.html');
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, host, resolve));
    return {
        url: `http://${host}:${server.address().port}/`,
        offline: () => { online = false; },
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}

export async function launch() {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--disable-quic',
               '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
               '--window-size=1200,800'],
        protocolTimeout: 150000, // a wait for the page is one call
        defaultViewport: { width: 1200, height: 800, deviceScaleFactor: Number(process.env.STROBIX_WEB_SCALE || 1) },
    });
}

// Opens the page and waits until the program's window is up. `stubs`: a
// function run in the page before anything else (stand-ins for browser APIs).
export async function openProgram(browser, url, { stubs, stubArgument, context } = {}) {
    const page = await (context || browser).newPage();
    page.on('pageerror', (error) => console.error('page error:', error.message));
    if (process.env.STROBIX_WEB_CONSOLE)
        page.on('console', (message) => console.error('console:', message.text()));
    if (stubs)
        await page.evaluateOnNewDocument(stubs, stubArgument);
    await page.goto(url);
    await waitForProgram(page);
    return page;
}

// For a test file: the site served and one browser while its tests run.
// `open` starts the program in a fresh profile (storage of its own), at the
// sequence link `fragment` when given; the caller closes the context.
export function siteUnderTest() {
    const state = {};
    before(async () => {
        state.server = await serve(site);
        state.browser = await launch();
    });
    after(async () => {
        await state.browser?.close();
        await state.server?.close();
    });
    return {
        get browser() { return state.browser; },
        get url() { return state.server.url; },
        async open({ fragment, ...options } = {}) {
            const context = await state.browser.createBrowserContext();
            const url = state.server.url + (fragment ? '#' + fragment : '');
            const page = await openProgram(state.browser, url, { ...options, context });
            return { context, page };
        },
    };
}

export async function waitForProgram(page) {
    await page.waitForFunction(() => window.strobixReady === true, { timeout: 120000 });
    // The first frames after the window comes up.
    await new Promise((resolve) => setTimeout(resolve, 300));
}

// Centre of a named control, in page coordinates (Qt places its screen where
// the canvas is, so its global coordinates are the page's).
export async function controlCentre(page, name) {
    return page.evaluate((name) => {
        const control = window.strobixLocate(name);
        return { x: control.x + control.width / 2, y: control.y + control.height / 2 };
    }, name);
}

// Centre of grid cell (led 0-3, event 0-49): columns 8 px apart, rows 24 px,
// cells 9 x 13 px at 100%.
export async function cellCentre(page, led, event) {
    const grid = await page.evaluate(() => window.strobixLocate('SequenceGrid'));
    return { x: grid.x + event * 8 + 4, y: grid.y + led * 24 + 6 };
}

export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
