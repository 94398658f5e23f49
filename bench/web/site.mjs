// SPDX-License-Identifier: MIT
// The browser edition's cost to a visitor: what the first visit transfers
// (each file of the first load compressed as a static server sends it, gzip
// and brotli) and the time from navigation to the window's first paint in
// headless Chromium on 127.0.0.1, over several fresh visits.
// Usage (from tests/web, whose node_modules it uses):
//   node ../../bench/web/site.mjs [site folder] [visits]
// Goals: at most 5 MB transferred; first paint within 3 s on an idle machine.
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { launch, serve } from '../../tests/web/harness.mjs';

const site = process.argv[2] || '../../build/web/site';
const visits = Number(process.argv[3] || 5);
const firstLoad = ['index.html', 'strobix-page.js', 'qtloader.js', 'strobix.js', 'strobix.wasm',
                   'manifest.webmanifest', 'icons/strobix.svg'];

let raw = 0, gzip = 0, brotli = 0;
for (const name of firstLoad) {
    const bytes = readFileSync(join(site, name));
    raw += bytes.length;
    gzip += gzipSync(bytes, { level: 9 }).length;
    brotli += brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
}
const mb = (bytes) => (bytes / 1e6).toFixed(2) + ' MB';
console.log(`first load: ${mb(raw)} raw, ${mb(gzip)} gzip, ${mb(brotli)} brotli ` +
            `(wasm ${mb(statSync(join(site, 'strobix.wasm')).size)}); goal: at most 5 MB sent`);

const server = await serve(site);
const browser = await launch();
const times = [];
for (let visit = 0; visit < visits; ++visit) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForFunction(() => window.strobixReady === true, { timeout: 120000 });
    // The window's first frame is drawn at the animation frame after it is shown.
    const shown = await page.evaluate(() => new Promise((resolve) =>
        requestAnimationFrame(() => resolve(performance.now()))));
    times.push(shown);
    await context.close();
}
await browser.close();
await server.close();
times.sort((a, b) => a - b);
const median = times[Math.floor(times.length / 2)];
console.log(`first paint after navigation: median ${(median / 1000).toFixed(2)} s, ` +
            `best ${(times[0] / 1000).toFixed(2)} s, worst ${(times.at(-1) / 1000).toFixed(2)} s ` +
            `over ${visits} fresh visits; goal: within 3 s on an idle machine`);
