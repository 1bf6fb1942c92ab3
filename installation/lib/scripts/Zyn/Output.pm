package Zyn::Output;
use strict;
use warnings;

=head1 NAME

Zyn::Output - all-or-nothing writing for the Moravel scripts

=head1 DESCRIPTION

Every file is first written in full to a temporary file beside its
destination (C<.zyn.PID.NUMBER.tmp>); only when all of them are complete are
they renamed into place, with the signals that end a run held back meanwhile.
A rename that fails puts the files already replaced back as they were.
Temporary files are removed on every way out of the script that Perl sees
(failure, SIGTERM, SIGINT, SIGHUP, after which the script ends by the same
signal); those of a run that was killed outright are removed by the next run
in the same directory.

A replaced file keeps its permission bits; a new one gets 0666 less the
umask. Nothing is ever written through a symbolic link.

Paths are byte strings, as they come from the command line; file names taken
from a document must be encoded before they are joined to them.

=cut

use Exporter qw(import);
use Encode qw(decode);
use Fcntl qw(O_WRONLY O_CREAT O_EXCL S_IMODE);
use File::Basename qw(dirname);
use IO::Handle;
use POSIX qw(SIGTERM SIGINT SIGHUP SIGPIPE);

our @EXPORT_OK = qw(catch_signals check_destination remove_stale_temps stage commit
  discard replace_file shown_path created_directory keep_directories clean_up);

my %temps;      # temporary path => 1, removed on any exit that did not rename it
my @created;    # directories this run made, removed again when it fails

sub clean_up {
    unlink $_ for keys %temps;
    %temps = ();
    rmdir $_ for reverse @created;
    @created = ();
}

END {
    my $status = $?;
    unlink $_ for keys %temps;
    $? = $status;
}

# A signal that ends the run removes what the run wrote so far, then ends it
# by that signal, as the caller expects of a stopped process. A file-size
# limit becomes a write error instead of killing the run.
sub catch_signals {
    for my $name (qw(TERM INT HUP PIPE)) {
        $SIG{$name} = sub {
            clean_up();
            $SIG{$name} = 'DEFAULT';
            my $number = POSIX->can("SIG$name")->();
            POSIX::sigprocmask( POSIX::SIG_UNBLOCK, POSIX::SigSet->new($number) );
            kill $name, $$;
            POSIX::_exit(1);
        };
    }
    $SIG{XFSZ} = 'IGNORE';
}

# A directory made for this run: removed when the run fails or is stopped.
sub created_directory {
    my ($dir) = @_;
    push @created, $dir;
}

sub keep_directories { @created = () }

sub shown_path {
    my ($path) = @_;
    $path = decode( 'UTF-8', $path, Encode::FB_DEFAULT ) unless utf8::is_utf8($path);
    $path =~ s/([\x00-\x1f\x7f\\"])/sprintf '\\x%02X', ord $1/ge;
    return qq{"$path"};
}

# What may stand at a destination: nothing, or a plain file that is replaced.
sub check_destination {
    my ($path) = @_;
    my @stat = lstat $path or return;
    my $shown = shown_path($path);
    die "$shown is a symbolic link; nothing is written through it\n" if -l _;
    die "$shown is a directory\n"                                    if -d _;
    die "$shown is not a regular file\n" unless -f _;
    return S_IMODE( $stat[2] );
}

sub remove_stale_temps {
    my ($dir) = @_;
    opendir my $dh, $dir or return;
    for my $name ( readdir $dh ) {
        next unless $name =~ /\A\.zyn\.(\d+)\.\d+\.tmp\z/;
        my $pid = $1;
        next if $pid == $$ || kill( 0, $pid ) || $!{EPERM};
        my $path = "$dir/$name";
        unlink $path if -f $path && !-l $path;
    }
    closedir $dh;
}

# Writes BYTES to a new temporary file beside PATH; answers the staged entry.
sub stage {
    my ( $path, $bytes ) = @_;
    my $mode  = check_destination($path);
    my $shown = shown_path($path);
    my $temp  = new_temp( dirname($path), $shown );
    open( my $out, '>>:raw', $temp ) or die "cannot write $shown: $!\n";
    unless ( ( print {$out} $bytes ) && $out->flush ) {
        my $error = $!;
        no warnings 'io';
        close $out;
        die "cannot write $shown: $error\n";
    }
    close $out or die "cannot write $shown: $!\n";
    chmod defined $mode ? $mode : 0666 & ~umask, $temp
      or die "cannot write $shown: $!\n";
    return { path => $path, temp => $temp, existed => defined $mode };
}

sub new_temp {
    my ( $dir, $shown ) = @_;
    for ( 1 .. 50 ) {
        my $temp = sprintf '%s/.zyn.%d.%06d.tmp', $dir, $$, int rand 1_000_000;
        $temps{$temp} = 1;    # first, so that a signal cannot leave it behind
        if ( sysopen( my $fh, $temp, O_WRONLY | O_CREAT | O_EXCL, 0600 ) ) {
            close $fh;
            return $temp;
        }
        delete $temps{$temp};
        die "cannot write $shown: $!\n" unless $!{EEXIST};
    }
    die "cannot write $shown: no free temporary name\n";
}

sub discard {
    for my $entry (@_) {
        unlink $entry->{temp};
        delete $temps{ $entry->{temp} };
    }
}

# Renames every staged file into place, or none of them.
sub commit {
    my @entries = @_;
    my $blocked = POSIX::SigSet->new( SIGTERM, SIGINT, SIGHUP, SIGPIPE );
    my $old     = POSIX::SigSet->new;
    POSIX::sigprocmask( POSIX::SIG_BLOCK, $blocked, $old );
    my $error = eval { put_in_place(@entries); 1 } ? undef : $@;
    discard(@entries);
    POSIX::sigprocmask( POSIX::SIG_SETMASK, $old );
    die $error if defined $error;
}

sub put_in_place {
    my @entries = @_;
    my @done;
    for my $entry (@entries) {
        my $path = $entry->{path};

        # The destination may have changed since it was staged.
        my $ok = eval { check_destination($path); 1 };
        if ( $ok && $entry->{existed} ) {
            $entry->{backup} = new_temp( dirname($path), shown_path($path) );
            unlink $entry->{backup};
            delete $entry->{backup} unless link $path, $entry->{backup};
        }
        my $error = $ok ? undef : $@;
        if ( $ok && !rename $entry->{temp}, $path ) {
            $error = "cannot write " . shown_path($path) . ": $!\n";
        }
        if ( defined $error ) {
            restore(@done);
            die $error;
        }
        push @done, $entry;
    }
    for my $entry (@done) {
        next unless $entry->{backup};
        unlink $entry->{backup};
        delete $temps{ $entry->{backup} };
    }
}

sub restore {
    for my $entry ( reverse @_ ) {
        if ( $entry->{backup} ) {
            rename $entry->{backup}, $entry->{path} and delete $temps{ $entry->{backup} };
        }
        elsif ( !$entry->{existed} ) {
            unlink $entry->{path};
        }
    }
}

=head2 replace_file(PATH, BYTES)

Replaces the one file PATH as a whole, keeping its permission bits.

=cut

sub replace_file {
    my ( $path, $bytes ) = @_;
    my $entry = stage( $path, $bytes );
    commit($entry);
}

1;
