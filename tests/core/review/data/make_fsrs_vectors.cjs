// Writes fsrs_vectors.json: review sequences replayed through the reference scheduler, with the
// state it reports after each review. Run where ts-fsrs 5.4.2 is installed (see README).
'use strict'
const { fsrs, generatorParameters, createEmptyCard } = require('ts-fsrs')

const DAY = 86400
// 2025-03-14 09:26:53 UTC: an ordinary morning, far from any day boundary.
const START = 1741944413

// A small seeded generator, so the random sequences are the same on every run.
function mulberry32(seed) {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed)
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296
  }
}

const seconds = (date) => {
  const ms = date.getTime()
  if (ms % 1000 !== 0) throw new Error('due time off the second')
  return ms / 1000
}

// steps: [rating, at] pairs; recallAt(at, due) gives the times at which to ask for retrievability.
function replay(name, steps, options = {}) {
  const retention = options.retention ?? 0.9
  const maximumInterval = options.maximumInterval ?? 36500
  const params = {
    request_retention: retention,
    maximum_interval: maximumInterval,
    enable_fuzz: false,
    enable_short_term: false,
  }
  if (options.weights) params.w = options.weights
  const scheduler = fsrs(generatorParameters(params))
  let card = createEmptyCard(new Date(steps[0][1] * 1000))
  if (options.start) card = { ...card, ...options.start, due: new Date(options.start.due * 1000),
    last_review: options.start.last_review ? new Date(options.start.last_review * 1000) : undefined }
  const reviews = []
  for (const [rating, at] of steps) {
    card = scheduler.next(card, new Date(at * 1000), rating).card
    const due = seconds(card.due)
    const times = [at + 3600, at + DAY, due, due + 30 * DAY, at + (due - at) * 3]
    const recall = times.map((t) => [t, scheduler.get_retrievability(card, new Date(t * 1000), false)])
    reviews.push([rating, at, card.stability, card.difficulty, card.state, due, card.reps,
      card.lapses, seconds(card.last_review), recall])
  }
  const newCard = createEmptyCard(new Date(steps[0][1] * 1000))
  const item = { name, retention, maximum_interval: maximumInterval }
  if (options.weights) item.weights = options.weights
  if (options.start) item.start = options.start
  item.new_recall = scheduler.get_retrievability(newCard, new Date((steps[0][1] + DAY) * 1000), false)
  item.reviews = reviews
  return item
}

// Ratings at successive gaps (in seconds) from START.
function sequence(ratings, gaps, start = START) {
  let at = start
  return ratings.map((rating, i) => {
    at += i === 0 ? 0 : gaps[i - 1]
    return [rating, at]
  })
}

const cases = []
for (const retention of [0.7, 0.9, 0.97]) {
  const opts = { retention }
  const tag = `retention ${retention}`
  for (const first of [1, 2, 3, 4])
    cases.push(replay(`${tag}: first rating ${first}, then Good at each due time`,
      sequenceAtDue(first, 8, opts), opts))
  cases.push(replay(`${tag}: lapses after a good run`,
    sequence([3, 3, 3, 1, 3, 3, 1, 1, 2, 3], [2, 5, 12, 30, 1, 3, 0, 2, 4].map((d) => d * DAY + 777)), opts))
  cases.push(replay(`${tag}: several reviews on one day`,
    sequence([3, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 3], [60, 300, 600, 900, 1200, 60, 60, 3600, 3600, 600, 1800]), opts))
  cases.push(replay(`${tag}: years between reviews`,
    sequence([3, 3, 1, 4, 2, 3], [365, 3 * 365, 10 * 365, 7 * 365, 40 * 365].map((d) => d * DAY + 12345)), opts))
  cases.push(replay(`${tag}: Easy every time to the longest interval`,
    sequenceAtDue(4, 8, opts, 4), opts))
}

// The day boundary: a minute before and after midnight UTC, and a whole day less a minute.
const midnight = Math.floor(START / DAY) * DAY + DAY
cases.push(replay('across midnight UTC', [
  [3, midnight - 60], [3, midnight + 60], [2, midnight + DAY - 60], [3, midnight + 2 * DAY + 60],
  [1, midnight + 4 * DAY - 1], [3, midnight + 4 * DAY], [4, midnight + 9 * DAY - 1]]))
// Every rating after every rating, a day or two apart.
{
  const steps = []
  let at = START
  for (const a of [1, 2, 3, 4]) for (const b of [1, 2, 3, 4]) {
    steps.push([a, at]); at += DAY + 4321
    steps.push([b, at]); at += 2 * DAY + 1234
  }
  cases.push(replay('every pair of ratings', steps))
}
// A short maximum interval: longer intervals stop at it.
cases.push(replay('maximum interval of 30 days', sequenceAtDue(4, 8, { maximumInterval: 30 }),
  { maximumInterval: 30 }))
// Weights of another learner, one of them outside its range, and a slower decay.
const ownWeights = [0.1, 0.9, 3.1, 12.5, 7.0, 0.6, 2.4, 0.002, 1.6, 0.15, 0.9, 1.7, 0.08, 0.3,
  1.9, 0.5, 2.2, 0.6, 0.1, 0.1, 0.25]
const outOfRange = [...ownWeights]
outOfRange[7] = 0.9 // above its ceiling of 0.75
outOfRange[16] = 0.5 // below its floor of 1
for (const [label, weights] of [['learner weights', ownWeights], ['weights out of range', outOfRange]]) {
  const random = mulberry32(label.length)
  cases.push(replay(label, randomSteps(random, 25), { weights }))
}

// Items stored part-way through learning or relearning, or with no last review, go on as in review.
for (const [state, lastReview] of [[1, START - 600], [3, START - 2 * DAY], [2, 0]]) {
  const start = { state, stability: 3.7, difficulty: 7.25, due: START, last_review: lastReview,
    reps: 5, lapses: state === 3 ? 2 : 0 }
  cases.push(replay(`starting in state ${state}` + (lastReview ? '' : ' with no last review'),
    sequence([2, 3, 1, 4], [DAY, 0, 9 * DAY]), { start }))
}
// Around 1970: calendar days count the same on both sides of the epoch.
cases.push(replay('before and after 1970', sequence([3, 3, 1, 3, 2],
  [DAY / 2, 2 * DAY, 3600, 5 * DAY], -3 * DAY + 7200)))

// Random sequences: ratings weighted towards Good, gaps from seconds to years.
{
  const random = mulberry32(20250314)
  for (let n = 0; n < 24; n++) {
    const retention = [0.7, 0.8, 0.9, 0.95, 0.97][n % 5]
    cases.push(replay(`random ${n + 1}, retention ${retention}`, randomSteps(random, 20), { retention }))
  }
}

function randomSteps(random, count) {
  const steps = []
  let at = START + Math.floor(random() * 400 * DAY)
  for (let i = 0; i < count; i++) {
    const p = random()
    const rating = p < 0.15 ? 1 : p < 0.3 ? 2 : p < 0.85 ? 3 : 4
    steps.push([rating, at])
    const kind = random()
    if (kind < 0.2) at += Math.floor(random() * 6 * 3600) // the same day, or just past midnight
    else if (kind < 0.7) at += Math.floor(random() * 30 * DAY)
    else if (kind < 0.95) at += Math.floor(random() * 400 * DAY)
    else at += Math.floor(random() * 8 * 365 * DAY)
  }
  return steps
}

// Reviews at each due time (plus a few hours), so the scheduler follows its own schedule.
function sequenceAtDue(first, count, options, rating = 3) {
  const params = {
    request_retention: options.retention ?? 0.9,
    maximum_interval: options.maximumInterval ?? 36500,
    enable_fuzz: false,
    enable_short_term: false,
  }
  const scheduler = fsrs(generatorParameters(params))
  let card = createEmptyCard(new Date(START * 1000))
  let at = START
  const steps = []
  for (let i = 0; i < count; i++) {
    const r = i === 0 ? first : rating
    steps.push([r, at])
    card = scheduler.next(card, new Date(at * 1000), r).card
    at = seconds(card.due) + 5 * 3600
  }
  return steps
}

// One review to a line, so that a change to the vectors reads as a change to a few lines.
const lines = ['{"generator": "ts-fsrs 5.4.2", "cases": [']
cases.forEach((item, i) => {
  const { reviews, ...head } = item
  lines.push(JSON.stringify(head).slice(0, -1) + ',"reviews":[')
  reviews.forEach((review, j) => lines.push(JSON.stringify(review) + (j + 1 < reviews.length ? ',' : '')))
  lines.push(']}' + (i + 1 < cases.length ? ',' : ''))
})
lines.push(']}')
process.stdout.write(lines.join('\n') + '\n')
