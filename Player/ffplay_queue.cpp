// Packet queues between the read thread and the decoders, frame rings between
// the decoders and the outputs, and the decoder record.
#include "ffplay_internal.h"

// ---- packet queue ----

static int packet_queue_put_private(PacketQueue* q, AVPacket* pkt)
{
    if (q->abort_request)
        return -1;
    auto* node = static_cast<PacketNode*>(av_malloc(sizeof(PacketNode)));
    if (!node)
        return -1;
    node->pkt = av_packet_alloc();
    if (!node->pkt) {
        av_free(node);
        return -1;
    }
    av_packet_move_ref(node->pkt, pkt);
    node->next = nullptr;
    if (is_flush_packet(node->pkt))
        q->serial++;
    node->serial = q->serial;

    if (!q->last_pkt)
        q->first_pkt = node;
    else
        q->last_pkt->next = node;
    q->last_pkt = node;
    q->nb_packets++;
    q->size += node->pkt->size + PACKET_NODE_OVERHEAD;
    q->duration += node->pkt->duration;
    SDL_CondSignal(q->cond);
    return 0;
}

int packet_queue_put(PacketQueue* q, AVPacket* pkt)
{
    SDL_LockMutex(q->mutex);
    const int ret = packet_queue_put_private(q, pkt);
    SDL_UnlockMutex(q->mutex);
    if (ret < 0)
        av_packet_unref(pkt);
    return ret;
}

int packet_queue_put_flush(PacketQueue* q)
{
    // A marker without a buffer: its data points at the flush marker, which
    // nobody frees, so unreferencing it anywhere is harmless.
    AVPacket* marker = av_packet_alloc();
    if (!marker)
        return AVERROR(ENOMEM);
    marker->data = flush_pkt->data;
    const int ret = packet_queue_put(q, marker);
    av_packet_free(&marker);
    return ret;
}

int packet_queue_put_nullpacket(PacketQueue* q, AVPacket* pkt, int stream_index)
{
    pkt->stream_index = stream_index;
    return packet_queue_put(q, pkt);
}

int packet_queue_init(PacketQueue* q)
{
    q->first_pkt = q->last_pkt = nullptr;
    q->nb_packets = 0;
    q->size = 0;
    q->duration = 0;
    q->serial = 0;
    q->mutex = SDL_CreateMutex();
    if (!q->mutex) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateMutex(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    q->cond = SDL_CreateCond();
    if (!q->cond) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateCond(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    q->abort_request = 1;
    return 0;
}

void packet_queue_flush(PacketQueue* q)
{
    if (!q->mutex)
        return;
    SDL_LockMutex(q->mutex);
    for (PacketNode* node = q->first_pkt; node;) {
        PacketNode* next = node->next;
        av_packet_free(&node->pkt);
        av_free(node);
        node = next;
    }
    q->first_pkt = q->last_pkt = nullptr;
    q->nb_packets = 0;
    q->size = 0;
    q->duration = 0;
    SDL_UnlockMutex(q->mutex);
}

void packet_queue_destroy(PacketQueue* q)
{
    packet_queue_flush(q);
    if (q->mutex)
        SDL_DestroyMutex(q->mutex);
    if (q->cond)
        SDL_DestroyCond(q->cond);
    q->mutex = nullptr;
    q->cond = nullptr;
}

void packet_queue_abort(PacketQueue* q)
{
    SDL_LockMutex(q->mutex);
    q->abort_request = 1;
    SDL_CondSignal(q->cond);
    SDL_UnlockMutex(q->mutex);
}

int packet_queue_get(PacketQueue* q, AVPacket* pkt, int block, int* serial)
{
    int ret;
    SDL_LockMutex(q->mutex);
    for (;;) {
        if (q->abort_request) {
            ret = -1;
            break;
        }
        PacketNode* node = q->first_pkt;
        if (node) {
            q->first_pkt = node->next;
            if (!q->first_pkt)
                q->last_pkt = nullptr;
            q->nb_packets--;
            q->size -= node->pkt->size + PACKET_NODE_OVERHEAD;
            q->duration -= node->pkt->duration;
            av_packet_move_ref(pkt, node->pkt);
            if (serial)
                *serial = node->serial;
            av_packet_free(&node->pkt);
            av_free(node);
            ret = 1;
            break;
        }
        if (!block) {
            ret = 0;
            break;
        }
        SDL_CondWait(q->cond, q->mutex);
    }
    SDL_UnlockMutex(q->mutex);
    return ret;
}

// ---- frame ring ----

int frame_queue_init(FrameQueue* f, PacketQueue* pktq, int max_size, int keep_last)
{
    f->mutex = SDL_CreateMutex();
    if (!f->mutex) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateMutex(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    f->cond = SDL_CreateCond();
    if (!f->cond) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateCond(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    f->pktq = pktq;
    f->max_size = FFMIN(max_size, FRAME_QUEUE_SIZE);
    f->keep_last = !!keep_last;
    f->rindex = f->windex = 0;
    f->size = 0;
    f->rindex_shown = 0;
    for (int i = 0; i < f->max_size; i++)
        if (!(f->queue[i].frame = av_frame_alloc()))
            return AVERROR(ENOMEM);
    return 0;
}

static void frame_queue_unref_item(QueuedFrame* vp)
{
    av_frame_unref(vp->frame);
    avsubtitle_free(&vp->sub);
}

void frame_queue_destroy(FrameQueue* f)
{
    for (int i = 0; i < f->max_size; i++) {
        QueuedFrame* vp = &f->queue[i];
        if (vp->frame)
            frame_queue_unref_item(vp);
        av_frame_free(&vp->frame);
    }
    if (f->mutex)
        SDL_DestroyMutex(f->mutex);
    if (f->cond)
        SDL_DestroyCond(f->cond);
    f->mutex = nullptr;
    f->cond = nullptr;
}

void frame_queue_signal(FrameQueue* f)
{
    SDL_LockMutex(f->mutex);
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

QueuedFrame* frame_queue_peek(FrameQueue* f)
{
    return &f->queue[(f->rindex + f->rindex_shown) % f->max_size];
}

QueuedFrame* frame_queue_peek_next(FrameQueue* f)
{
    return &f->queue[(f->rindex + f->rindex_shown + 1) % f->max_size];
}

QueuedFrame* frame_queue_peek_last(FrameQueue* f)
{
    return &f->queue[f->rindex];
}

QueuedFrame* frame_queue_peek_writable(FrameQueue* f)
{
    SDL_LockMutex(f->mutex);
    while (f->size >= f->max_size && !f->pktq->abort_request)
        SDL_CondWait(f->cond, f->mutex);
    SDL_UnlockMutex(f->mutex);
    if (f->pktq->abort_request)
        return nullptr;
    return &f->queue[f->windex];
}

QueuedFrame* frame_queue_peek_readable(FrameQueue* f)
{
    SDL_LockMutex(f->mutex);
    while (f->size - f->rindex_shown <= 0 && !f->pktq->abort_request)
        SDL_CondWait(f->cond, f->mutex);
    SDL_UnlockMutex(f->mutex);
    if (f->pktq->abort_request)
        return nullptr;
    return &f->queue[(f->rindex + f->rindex_shown) % f->max_size];
}

void frame_queue_push(FrameQueue* f)
{
    if (++f->windex == f->max_size)
        f->windex = 0;
    SDL_LockMutex(f->mutex);
    f->size++;
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

void frame_queue_next(FrameQueue* f)
{
    if (f->keep_last && !f->rindex_shown) {
        f->rindex_shown = 1;
        return;
    }
    frame_queue_unref_item(&f->queue[f->rindex]);
    if (++f->rindex == f->max_size)
        f->rindex = 0;
    SDL_LockMutex(f->mutex);
    f->size--;
    SDL_CondSignal(f->cond);
    SDL_UnlockMutex(f->mutex);
}

int frame_queue_nb_remaining(FrameQueue* f)
{
    return f->size - f->rindex_shown;
}

// ---- decoder ----

int decoder_init(Decoder* d, AVCodecContext* avctx, PacketQueue* queue, SDL_cond* empty_queue_cond)
{
    d->pkt = av_packet_alloc();
    if (!d->pkt)
        return AVERROR(ENOMEM);
    d->avctx = avctx;
    d->queue = queue;
    d->empty_queue_cond = empty_queue_cond;
    d->start_pts = AV_NOPTS_VALUE;
    d->start_pts_tb = av_make_q(0, 1);
    d->next_pts = AV_NOPTS_VALUE;
    d->next_pts_tb = av_make_q(0, 1);
    d->pkt_serial = -1;
    d->finished = 0;
    d->packet_pending = 0;
    d->decoder_tid = nullptr;
    return 0;
}

int decoder_start(Decoder* d, int (*fn)(void*), const char* thread_name, void* arg)
{
    SDL_LockMutex(d->queue->mutex);
    d->queue->abort_request = 0;
    SDL_UnlockMutex(d->queue->mutex);
    packet_queue_put_flush(d->queue);
    d->decoder_tid = SDL_CreateThread(fn, thread_name, arg);
    if (!d->decoder_tid) {
        av_log(nullptr, AV_LOG_ERROR, "SDL_CreateThread(): %s\n", SDL_GetError());
        return AVERROR(ENOMEM);
    }
    return 0;
}

void decoder_abort(Decoder* d, FrameQueue* fq)
{
    packet_queue_abort(d->queue);
    frame_queue_signal(fq);
    if (d->decoder_tid)
        SDL_WaitThread(d->decoder_tid, nullptr);
    d->decoder_tid = nullptr;
    packet_queue_flush(d->queue);
}

void decoder_destroy(Decoder* d)
{
    av_packet_free(&d->pkt);
    avcodec_free_context(&d->avctx);
}
